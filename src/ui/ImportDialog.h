#pragma once

#include "FilePicker.h"

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class TImportDlg;
}

// Asks which area set to import and where its areas go; ends with OK only once a file is chosen.
class TImportDlg : public QDialog {
    Q_OBJECT
public:
    explicit TImportDlg(QWidget* parent = nullptr);
    ~TImportDlg() override;

    // The chosen set file, empty until one is chosen.
    QString FileName;
    // InsertBeforeSelected or InsertAtEnd (ListRules).
    int InsertMode;

public slots:
    void FormShow();
    void bbFilenameClick();
    void rbBeforeClick();
    void rbEndClick();
    void bbOKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TImportDlg> ui;
    TFilePicker odOpen{TFilePickerKind::Open};
};
