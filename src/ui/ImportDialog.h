#pragma once

#include "DialogForm.h"
#include "FilePicker.h"

#include <QString>
#include <memory>

namespace Ui {
class TImportDlg;
}

// Asks which area set to import and where its areas go; ends with OK only once a file is chosen.
class TImportDlg : public TFormDialog {
    Q_OBJECT
public:
    explicit TImportDlg(QWidget* parent = nullptr);
    ~TImportDlg() override;

    // The chosen set file, empty until one is chosen.
    QString FileName;
    // InsertBeforeSelected or InsertAtEnd (ListRules).
    int InsertMode;

public slots:
    void FormShow() override;
    void bbFilenameClick();
    void rbBeforeClick();
    void rbEndClick();
    void bbOKClick();

private:
    std::unique_ptr<Ui::TImportDlg> ui;
    TFilePicker odOpen{TFilePickerKind::Open};
};
