#pragma once

#include "DialogForm.h"
#include "FilePicker.h"
#include "model/document/ListRules.h"

#include <QString>
#include <memory>

namespace Ui {
class TImportDlg;
}
class TPrefs;

// Asks which area set to import and where its areas go; ends with OK only once a file is chosen.
class TImportDlg : public TFormDialog {
    Q_OBJECT
public:
    // The set folder of the preferences is where the first browse starts; they outlive the dialog.
    explicit TImportDlg(const TPrefs& prefs, QWidget* parent = nullptr);
    ~TImportDlg() override;

    // The chosen set file, empty until one is chosen.
    QString FileName;
    // TInsertPlace::BeforeSelected or TInsertPlace::AtEnd (ListRules).
    TInsertPlace InsertMode;

public slots:
    void FormShow() override;
    void bbFilenameClick();
    void rbBeforeClick();
    void rbEndClick();
    void bbOKClick();

private:
    const TPrefs& FPrefs;
    std::unique_ptr<Ui::TImportDlg> ui;
    TFilePicker odOpen{TFilePickerKind::Open};
};
