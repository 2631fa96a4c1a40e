#pragma once

#include "DialogForm.h"
#include "FilePicker.h"
#include "FolderPicker.h"

#include <memory>

namespace Ui {
class TSettingsDlg;
}
class THostLocator;
class TPrefs;

// The host folder, the backup option and the default set folder, read from and written to the
// preferences directly: a folder chosen with a browse button is taken at once, OK takes the rest once the host
// folder holds the simulator and a set folder is chosen.
class TSettingsDlg : public TFormDialog {
    Q_OBJECT
public:
    // The locator answers the host key and the host test; both it and the preferences outlive the dialog.
    TSettingsDlg(const THostLocator& host, TPrefs& prefs, QWidget* parent = nullptr);
    ~TSettingsDlg() override;

public slots:
    void FormShow() override;
    void bbFSPathClick();
    void bbSetPathClick();
    void bbOKClick();

private:
    const THostLocator& Host;
    TPrefs& FPrefs;
    std::unique_ptr<Ui::TSettingsDlg> ui;
    TFilePicker odFSPath{TFilePickerKind::Open};
    TFolderPicker stbSetPath{QStringLiteral("Select Default Set Path")};
};
