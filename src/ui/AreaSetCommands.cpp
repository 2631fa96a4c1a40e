// Area sets of the main window: the selected areas exported to a set file, with or without taking them
// out of the list, and a set file's areas imported above the selected row or at the end.
#include "AreaSetCommands.h"

#include "AreaSetFiles.h"
#include "CodePageText.h"
#include "ImportDialog.h"
#include "InfoDialogs.h"
#include "MainParts.h"
#include "model/document/ListRules.h"
#include "model/format/ProfileFile.h"
#include "model/library/ConfigurationFile.h"
#include "model/library/FileAccess.h"
#include "model/library/LibraryFile.h"
#include "model/library/SaveChecks.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

TAreaSetCommands::TAreaSetCommands(TMainParts& parts) : Parts(parts) {
    sdExport.Title = u"Export Area Sets"_s;
    sdExport.Filter = AreaSetFilter;
    sdExport.DefaultExt = AreaSetExtension;
}

void TAreaSetCommands::bbExportClick() {
    const std::vector<int> rows = ExportedRows();
    if (!rows.empty())
        WriteAreaSet(rows);
}

// The set file is complete and in place before any row goes: a failed write throws here and the list
// keeps every area.
void TAreaSetCommands::bbExportRemoveClick() {
    const std::vector<int> rows = ExportedRows();
    if (!rows.empty() && WriteAreaSet(rows))
        Parts.Core.Perform(RemoveSelected(Parts.Document(), Parts.Session.Selected(), "Cut & Export"));
}

// The picker's first folder is the set folder of the preferences, else the program's own folder; after
// that it follows the user's choices.
std::vector<int> TAreaSetCommands::ExportedRows() {
    if (sdExport.InitialDir.isEmpty())
        sdExport.InitialDir = Parts.Services.Prefs.SetPath.empty()
                                  ? QCoreApplication::applicationDirPath()
                                  : QString::fromLocal8Bit(Parts.Services.Prefs.SetPath);
    if (!sdExport.Execute(&Parts.Window))
        return {};
    std::vector<int> rows = SelectedTopDown(Parts.Session.Selected());
    if (rows.empty()) {
        ShowError(u"No areas selected for export!"_s);
    } else if (Parts.Library.NamesLibraryFile(sdExport.FileName.toLocal8Bit().toStdString(),
                                              Parts.Services.Prefs.FSPath)) {
        // The picker does not ask before replacing a file: the library itself, in whatever letter case
        // the name is typed, must never become a set.
        ShowError(u"Area set not exported! Scenery.cfg cannot be replaced by an area set."_s);
        rows.clear();
    }
    return rows;
}

// An area the import would not read back is never written silently: a number outside the set's range
// stops the export, an area without Local Path is asked about.
bool TAreaSetCommands::WriteAreaSet(const std::vector<int>& rows) {
    const std::vector<const TArea*> areas = Parts.Document().AreaPointers(rows);
    if (const std::string error = AreaSetNumberError(areas); !error.empty()) {
        ShowError(RecordToText(error));
        return false;
    }
    const std::string noLocal = NoLocalPathQuestion(areas, "Export");
    if (!noLocal.empty() && !AskYesNo(RecordToText(noLocal)))
        return false;
    WriteConfiguration(Parts.Services.Files, sdExport.FileName.toLocal8Bit().toStdString(), nullptr, areas);
    return true;
}

void TAreaSetCommands::bbImportClick() {
    TImportDlg dialog(Parts.Services.Prefs, &Parts.Window);
    if (dialog.exec() == QDialog::Accepted)
        ImportAreaSet(dialog.FileName, dialog.InsertMode);
}

// The set's areas stand together in ascending section number, each row written in full at once. A set
// file that cannot be read is said and imports nothing; so is one that holds no area, which would
// otherwise leave an undo step and a question about unsaved changes for nothing.
void TAreaSetCommands::ImportAreaSet(const QString& fileName, TInsertPlace place) {
    const int position = ImportPosition(Parts.Session.Selected(), place);
    if (position < 0) {
        ShowError(u"You need to select exactly one area to insert the area set at"_s);
        return;
    }
    const TProfileRead read = Parts.Services.Files.ReadProfile(fileName.toLocal8Bit().toStdString());
    const QString failure = !read.Failure.empty() ? QString::fromUtf8(read.Failure)
                            : read.Stamp.State == TFileStamp::TState::Missing ? u"No such file or directory"_s
                                                                              : QString();
    if (!failure.isEmpty()) {
        ShowError(u"Area set could not be read: "_s + fileName + u": "_s + failure);
        return;
    }
    std::vector<TArea> areas;
    SweepAreas(*read.Profile, [&areas](std::unique_ptr<TArea> area) { areas.push_back(std::move(*area)); });
    if (areas.empty()) {
        ShowError(u"No areas found in %1."_s.arg(QFileInfo(fileName).fileName()));
        return;
    }
    Parts.Core.Perform(
        InsertAreas(Parts.Document(), Parts.Session.Selected(), position, std::move(areas), "Import"));
}
