#pragma once

#include "DialogForm.h"
#include "model/library/FolderMemo.h"
#include "model/library/LibraryProfiles.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class TProfilesDlg;
}
class TFileAccess;

// What the profiles dialog works on: the library's profiles and the list as it is now.
struct TProfilesContext {
    const TProfileStore& Store;
    const TFileAccess& Files;
    TFolderCheck& Check;
    // The library file the profiles belong to, in the local 8-bit encoding.
    std::string Library;
    const TSceneryDocument& Document;
    TSelection Selected;
    // The check box "Switch off areas this profile does not know", kept with the settings.
    bool& OffUnknown;
};

// Lists the library's profiles, newest first, with what applying the chosen one would change; saves the
// list's flags as a profile, renames and deletes them. "Apply" ends it with the chosen profile's step.
class TProfilesDlg : public TFormDialog {
    Q_OBJECT
public:
    TProfilesDlg(TProfilesContext context, QWidget* parent = nullptr);
    ~TProfilesDlg() override;

    // Only after "Apply": what the chosen profile does to the list, the check box as it was then.
    const TProfileApplication& Chosen() const { return *FApplication; }
    QString ChosenName() const;

public slots:
    void FormShow() override;
    void lvProfilesChange();
    void cbOffUnknownClick();
    void bbSaveAsClick();
    void bbRenameClick();
    void bbDeleteClick();

private:
    // Reads the profiles again and selects the named one, else the first.
    void ShowProfiles(const std::string& selected);
    int SelectedRow() const;
    // A name typed and checked: empty when the user cancelled or the name is refused (said).
    std::string AskName(const QString& caption, const QString& initial);

    std::unique_ptr<Ui::TProfilesDlg> ui;
    TProfilesContext FContext;
    TFolderMemo FMemo;
    std::vector<std::string> FKeys;
    std::vector<TProfileReview> FReviews;
    std::optional<TProfileApplication> FApplication;
};
