// Scenery folders in the main window: chosen folders become areas in one step, the add-on folders no
// area has yet are found and offered, and the selected areas are switched on or off at once.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "NewFoldersDialog.h"
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

std::optional<std::string> THauptformular::ReachableFolderText(const QString& folder) {
    std::optional<std::string> text = Folders.FolderText(folder.toLocal8Bit().toStdString(), FPrefs.FSPath);
    if (!text)
        ShowError(u"The simulator cannot reach %1: no drive of its Wine prefix leads there."_s.arg(
            QDir::toNativeSeparators(folder)));
    return text;
}

std::vector<std::string> THauptformular::ListedFolders() const {
    std::vector<std::string> listed;
    for (int row = 0; row < lvAreas->RowCount(); ++row)
        if (!lvAreas->Row(row)->Folder().Path.empty())
            listed.push_back(lvAreas->Row(row)->Folder().Path);
    return listed;
}

void THauptformular::cmAreaAddFoldersClick() {
    stbFolders.SetSelectedFolder(QString::fromLocal8Bit(AddOnFolder(FPrefs.FSPath)));
    if (stbFolders.Execute(this))
        AddFolders(stbFolders.SelectedFolders());
}

// A folder without a scenery subfolder is added all the same; the count tells the user who picked
// one level too high or too low.
void THauptformular::AddFolders(const QStringList& folders) {
    const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(FPrefs.FSPath);
    std::vector<TChosenFolder> chosen;
    int withoutScenery = 0;
    for (const QString& folder : folders) {
        std::optional<std::string> text = ReachableFolderText(folder);
        if (!text)
            return;
        chosen.push_back(Chosen(folder, std::move(*text), *check));
        withoutScenery += !Folders.HoldsSceneryFolder(folder.toLocal8Bit().toStdString());
    }
    TFolderAdding adding = AddFolderAreas(Document(), Session.Selected(), chosen, ListedFolders());
    if (adding.Added > 0) {
        Perform(std::move(adding.Step));
        lvAreas->scrollToItem(Current());
    }
    QString status = QString::fromStdString(Counted(adding.Added, "area", "areas")) +
                     u" added, %1 already in the library."_s.arg(adding.AlreadyListed);
    if (withoutScenery > 0)
        status += u" %1 without a scenery subfolder."_s.arg(
            QString::fromStdString(Counted(withoutScenery, "folder", "folders")));
    SetStatusText(status);
}

void THauptformular::cmAreaFindNewClick() {
    const QString addon = QDir::toNativeSeparators(QString::fromLocal8Bit(AddOnFolder(FPrefs.FSPath)));
    QStringList found;
    for (const std::string& folder : Folders.FindSceneryFolders(addon.toLocal8Bit().toStdString()))
        found.append(QString::fromLocal8Bit(folder));
    std::sort(found.begin(), found.end(), [](const QString& one, const QString& other) {
        return one.compare(other, Qt::CaseInsensitive) < 0;
    });
    const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(FPrefs.FSPath);
    std::vector<TChosenFolder> chosen;
    for (const QString& folder : found) {
        // Below the host folder: always reachable, as a relative path.
        std::optional<std::string> text =
            Folders.FolderText(folder.toLocal8Bit().toStdString(), FPrefs.FSPath);
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
    TNewFoldersDlg dialog(shown, fresh, this);
    if (dialog.exec() == QDialog::Accepted)
        AddFolders(dialog.Checked());
}

void THauptformular::cmAreaActivateClick() {
    SwitchSelected(true);
}

void THauptformular::cmAreaDeactivateClick() {
    SwitchSelected(false);
}

void THauptformular::SwitchSelected(bool active) {
    TActivation activation = SetActive(Document(), Session.Selected(), active);
    Perform(std::move(activation.Step));
    if (activation.RequiredKept > 0)
        SetStatusText(QString::fromStdString(
            Counted(activation.RequiredKept, "required area stays", "required areas stay") + " active."));
}
