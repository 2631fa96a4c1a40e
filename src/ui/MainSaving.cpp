#include "Main.h"

#include "AreaListView.h"
#include "InfoDialogs.h"
#include "model/format/ConfigurationFile.h"
#include "model/library/FileAccess.h"
#include "model/library/SaveChecks.h"
#include "platform/AnsiCodec.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {
// Saving numbers the areas from 1: a longer list would lose its last areas on the next load.
constexpr int MaxSavedAreas = LastAreaNumber;
const QString ChangedOutsideHint = u"Scenery.cfg was changed by another program. Revert loads it."_s;
} // namespace

// A copied or unpacked installation often spells its files otherwise: writing the canonical name beside
// them would leave the host two libraries to choose from.
std::string THauptformular::HostFile(const char* name) const {
    return Files.ExistingSpelling(FPrefs.FSPath + name);
}

std::string THauptformular::SceneryCfgPath() const {
    return HostFile("Scenery.cfg");
}

void THauptformular::bbSaveClick() {
    if (lvAreas->RowCount() > MaxSavedAreas) {
        ShowError(u"Scenery.cfg not saved! The list holds %1 areas, but at most %2 areas can be saved."_s
                      .arg(lvAreas->RowCount())
                      .arg(MaxSavedAreas));
        return;
    }
    // The file holds the areas numbered from 1; the list shows them so, without a step of its own.
    const TSelection selected = lvAreas->SelectionFlags();
    TSceneryDocument saved = RenumberAreas(Document(), selected).Document;
    if (!SaveGoesAhead(saved)) {
        ShowError(u"Scenery.cfg not saved!"_s);
        return;
    }
    WriteSceneryCfg(saved);
    const int count = saved.Count();
    History.MarkSaved(std::move(saved));
    FReadFailed = false;
    FListFolder = FPrefs.FSPath;
    FListFile = SceneryCfgPath();
    FListStamp = Files.Stamp(FListFile, nullptr);
    ShowDocument(selected);
    SetStatusText(u"Scenery.cfg saved: %1 areas."_s.arg(count));
}

// Every question that can stop the save comes before anything is copied or written. A host folder
// changed in the settings would otherwise have its library replaced by the list of the old one.
bool THauptformular::SaveGoesAhead(const TSceneryDocument& saved) {
    if (HostFolderMoved() &&
        !AskYesNo(u"The list was loaded from "_s + QString::fromLocal8Bit(FListFile) + u". Save it to "_s +
                  QString::fromLocal8Bit(SceneryCfgPath()) + u" anyway?"_s))
        return false;
    if (FReadFailed && !AskYesNo(u"Scenery.cfg could not be read when it was loaded. Overwrite it anyway?"_s))
        return false;
    if (ChangedOutside(false) &&
        !AskYesNo(u"Scenery.cfg was changed by another program after it was loaded. Overwrite it anyway?"_s))
        return false;
    const std::string noLocal = NoLocalPathQuestion(saved.AreaPointers(), "Save");
    if (!noLocal.empty() && !AskYesNo(AnsiToUnicode(noLocal)))
        return false;
    return BackupGoesAhead();
}

bool THauptformular::HostFolderMoved() const {
    return FPrefs.FSPath != FListFolder;
}

// Only the library the list was loaded from can have been changed behind its back; the questions before
// cover a new host folder and a library that could not be read. The cheap look serves the hint only:
// the save compares the bytes.
bool THauptformular::ChangedOutside(bool cheapLook) const {
    if (HostFolderMoved() || FReadFailed)
        return false;
    return !Files.Stamp(SceneryCfgPath(), cheapLook ? &FListStamp : nullptr).SameContentAs(FListStamp);
}

// Coming back from an installer or the host's scenery dialog, the user learns at once that the list is
// out of date, before a save would have to ask.
void THauptformular::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && ChangedOutside(true))
        SetStatusText(ChangedOutsideHint);
}

// The old file is copied to the backup first when the preference asks for it; the user decides
// whether to go on without one.
bool THauptformular::BackupGoesAhead() {
    if (!FPrefs.Backup || Files.CopyReplacing(SceneryCfgPath(), HostFile("Scenery.qrw")))
        return true;
    return AskYesNo(u"Backup file could not be created. Overwrite scenery.cfg anyway?"_s);
}

// The new file replaces the old one only when it is complete: a failure part way (a full disk, a
// removed medium) throws before the commit and leaves the user's Scenery.cfg as it was.
void THauptformular::WriteSceneryCfg(const TSceneryDocument& saved) {
    WriteConfiguration(Files, SceneryCfgPath(), &saved.General, saved.AreaPointers());
}

void THauptformular::bbRevertClick() {
    if (!Modified || AskYesNo(u"Changes will be lost. Continue anyway?"_s))
        ReloadAll();
}

bool THauptformular::FormCloseQuery() {
    return !Modified || AskYesNo(u"Changes will be lost. Quit anyway?"_s);
}

// The close box, Alt+F4 and "E&xit" all arrive here.
void THauptformular::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
