#include "FolderCommands.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "MainParts.h"
#include "NewFoldersDialog.h"
#include "model/document/AreaFilter.h"
#include "model/document/FolderAreas.h"
#include "model/format/CountText.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryChoice.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// A folder as a new area would have it; native paths, as the pickers give them.
TChosenFolder Chosen(const QString& folder, std::string text, TFolderCheck& check) {
    TChosenFolder chosen{FieldToRecord(QFileInfo(folder).fileName()), std::move(text), {}};
    chosen.Resolved = check.Resolve(chosen.Local).Path;
    return chosen;
}
} // namespace

std::vector<std::string> TFolderCommands::ListedFolders() const {
    std::vector<std::string> listed;
    for (int row = 0; row < Parts.List().RowCount(); ++row)
        if (!Parts.List().Row(row)->Folder().Path.empty())
            listed.push_back(Parts.List().Row(row)->Folder().Path);
    return listed;
}

void TFolderCommands::cmAreaAddFoldersClick() {
    stbFolders.SetSelectedFolder(QString::fromLocal8Bit(AddOnFolder(Parts.Services.Prefs.FSPath)));
    if (stbFolders.Execute(&Parts.Window))
        AddFolders(stbFolders.SelectedFolders());
}

// A folder without a scenery subfolder is added all the same; the count tells the user who picked
// one level too high or too low.
void TFolderCommands::AddFolders(const QStringList& folders) {
    const std::unique_ptr<TFolderCheck> check =
        Parts.Services.Folders.StartCheck(Parts.Services.Prefs.FSPath);
    std::vector<TChosenFolder> chosen;
    int withoutScenery = 0;
    for (const QString& folder : folders) {
        std::optional<std::string> text = Parts.Marks.ReachableText(folder);
        if (!text)
            return;
        chosen.push_back(Chosen(folder, std::move(*text), *check));
        withoutScenery += !Parts.Services.Folders.HoldsSceneryFolder(folder.toLocal8Bit().toStdString());
    }
    TFolderAdding adding =
        AddFolderAreas(Parts.Document(), Parts.Session.Selected(), chosen, ListedFolders());
    if (adding.Added > 0) {
        Parts.Core.Perform(std::move(adding.Step));
        Parts.List().scrollToItem(Parts.CurrentRow());
    }
    QString status = QString::fromStdString(Counted(adding.Added, "area", "areas")) +
                     u" added, %1 already in the library."_s.arg(adding.AlreadyListed);
    if (withoutScenery > 0)
        status += u" %1 without a scenery subfolder."_s.arg(
            QString::fromStdString(Counted(withoutScenery, "folder", "folders")));
    Parts.Status.Set(status);
}

void TFolderCommands::cmAreaFindNewClick() {
    const QString addon =
        QDir::toNativeSeparators(QString::fromLocal8Bit(AddOnFolder(Parts.Services.Prefs.FSPath)));
    QStringList found;
    for (const std::string& folder :
         Parts.Services.Folders.FindSceneryFolders(addon.toLocal8Bit().toStdString()))
        found.append(QString::fromLocal8Bit(folder));
    std::sort(found.begin(), found.end(), [](const QString& one, const QString& other) {
        return one.compare(other, Qt::CaseInsensitive) < 0;
    });
    const std::unique_ptr<TFolderCheck> check =
        Parts.Services.Folders.StartCheck(Parts.Services.Prefs.FSPath);
    std::vector<TChosenFolder> chosen;
    for (const QString& folder : found) {
        // Below the host folder: always reachable, as a relative path.
        std::optional<std::string> text = Parts.Services.Folders.FolderText(
            folder.toLocal8Bit().toStdString(), Parts.Services.Prefs.FSPath);
        chosen.push_back(Chosen(folder, text.value_or(std::string()), *check));
    }
    const std::vector<char> listed = AlreadyListed(chosen, ListedFolders());
    QStringList shown;
    QStringList fresh;
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (listed[static_cast<std::size_t>(i)])
            continue;
        shown.append(RecordToText(chosen[static_cast<std::size_t>(i)].Local));
        fresh.append(found[i]);
    }
    if (fresh.isEmpty()) {
        ShowInformation(u"No new scenery folders found in "_s + addon + u"."_s);
        return;
    }
    TNewFoldersDlg dialog(shown, fresh, &Parts.Window);
    if (dialog.exec() == QDialog::Accepted)
        AddFolders(dialog.Checked());
}

void TFolderCommands::cmAreaActivateClick() {
    SwitchSelected(true);
}

void TFolderCommands::cmAreaDeactivateClick() {
    SwitchSelected(false);
}

void TFolderCommands::SwitchSelected(bool active) {
    TActivation activation = SetActive(Parts.Document(), Parts.Session.Selected(), active);
    Parts.Core.Perform(std::move(activation.Step));
    if (activation.RequiredKept > 0)
        Parts.Status.Set(QString::fromStdString(
            Counted(activation.RequiredKept, "required area stays", "required areas stay") + " active."));
}

// The user can then delete them, export them or make them inactive as usual. Rows the filter hides
// stay unselected.
void TFolderCommands::cmAreaSelectMissingClick() {
    const std::vector<char> missing = TakenRows(Parts.List().MissingFolderFlags(), Parts.List().ShownFlags());
    const auto count = static_cast<std::size_t>(std::count(missing.begin(), missing.end(), 1));
    if (count == 0) {
        Parts.Status.Set(Parts.Session.RowsHidden() ? u"No area shown has a missing folder."_s
                                                    : u"No area has a missing folder."_s);
        return;
    }
    Parts.Core.SelectFlagged(missing);
    Parts.Status.Set(QString::fromStdString(Counted(count, "area", "areas")) +
                     u" with a missing folder selected."_s);
}
