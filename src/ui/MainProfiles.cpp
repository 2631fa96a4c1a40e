// Profiles: the list's Active flags saved under a name and brought back as one step of the history,
// written only by the next save.
#include "Main.h"

#include "AreaListView.h"
#include "ProfilesDialog.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryProfiles.h"

using namespace Qt::Literals::StringLiterals;

void THauptformular::cmFileProfilesClick() {
    const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(Library.HostFolder());
    TProfilesDlg dialog({Profiles, Files, *check, Library.Choice().File, Document(),
                         lvAreas->SelectionFlags(), FPrefs.ProfileOffUnknown},
                        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TProfileApplication& application = dialog.Chosen();
    const QString name = dialog.ChosenName();
    if (application.Changed.empty()) {
        SetStatusText(u"Profile %1 changes nothing: the list already has its flags."_s.arg(name));
        return;
    }
    Perform(application.Step);
    SetStatusText(u"Applied profile %1: %2. Save Changes writes it."_s.arg(
        name, QString::fromStdString(SwitchedSummary(application))));
}
