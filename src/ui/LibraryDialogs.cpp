// The dialogs on the library as a whole: restore points (the libraries earlier saves replaced),
// profiles (the list's Active flags saved under a name), the airport check (the active add-on areas'
// scenery files read with a progress dialog the user can cancel), the settings and the about box.
#include "LibraryDialogs.h"

#include "AboutDlg.h"
#include "AirportsDialog.h"
#include "AreaListView.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "MainParts.h"
#include "ProfilesDialog.h"
#include "RestoreDialog.h"
#include "SettingsDialog.h"
#include "model/format/CountText.h"
#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryFile.h"
#include "model/library/LibraryProfiles.h"
#include "model/library/RestorePoints.h"
#include "model/scan/AirportUse.h"

#include <QProgressDialog>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Checking = u"Checking airports..."_s;

TAreaNames AreaNames(const TSceneryDocument& document) {
    TAreaNames names;
    for (const TDocumentArea& entry : document.Areas) {
        names.Titles.append(RecordToText(entry.Area->Title));
        names.Numbers.append(entry.Area->Number);
    }
    return names;
}
} // namespace

void TLibraryDialogs::cmFileRestorePointsClick() {
    const std::string& library = Parts.Library.Choice().File;
    const std::unique_ptr<TFolderCheck> check = Parts.Services.Folders.StartCheck(Parts.Library.HostFolder());
    TRestoreDlg dialog(QString::fromLocal8Bit(library),
                       ReviewRestorePoints(Parts.Services.RestorePoints.List(library), Parts.Services.Files,
                                           Parts.Document(), *check),
                       &Parts.Window);
    if (dialog.exec() == QDialog::Accepted)
        RestorePoint(dialog.Chosen());
}

// The point is read again: the dialog keeps only what it shows of each.
void TLibraryDialogs::RestorePoint(const TRestorePoint& point) {
    const TProfileRead read = Parts.Services.Files.ReadProfile(point.File);
    if (!read.Failure.empty() || read.Stamp.State == TFileStamp::TState::Missing) {
        ShowError(u"The restore point could not be read: "_s + QString::fromLocal8Bit(point.File) + u": "_s +
                  (read.Failure.empty() ? u"it no longer exists"_s : QString::fromUtf8(read.Failure)) + u'.');
        return;
    }
    Parts.Core.Perform(
        ReplaceDocument(Parts.Document(), ReadDocument(*read.Profile), "Restore " + point.Saved));
    Parts.Status.Set(
        u"Restored the library kept at %1: %2. Save Changes writes it."_s
            .arg(QString::fromStdString(point.Saved))
            .arg(QString::fromStdString(Counted(Parts.Document().Areas.size(), "area", "areas"))));
}

void TLibraryDialogs::cmFileProfilesClick() {
    const std::unique_ptr<TFolderCheck> check = Parts.Services.Folders.StartCheck(Parts.Library.HostFolder());
    TProfilesDlg dialog({Parts.Services.Profiles, Parts.Services.Files, *check, Parts.Library.Choice().File,
                         Parts.Document(), Parts.List().SelectionFlags(),
                         Parts.Services.Prefs.ProfileOffUnknown},
                        &Parts.Window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TProfileApplication& application = dialog.Chosen();
    const QString name = dialog.ChosenName();
    if (application.Changed.empty()) {
        Parts.Status.Set(u"Profile %1 changes nothing: the list already has its flags."_s.arg(name));
        return;
    }
    Parts.Core.Perform(application.Step);
    Parts.Status.Set(u"Applied profile %1: %2. Save Changes writes it."_s.arg(
        name, QString::fromStdString(SwitchedSummary(application))));
}

void TLibraryDialogs::cmAreaCheckAirportsClick() {
    QProgressDialog progress(Checking, u"Abbrechen"_s, 0, 1, &Parts.Window);
    progress.setWindowTitle(u"Quarrow"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const TAirportCheck check =
        CheckAirports(Parts.Document().AreaPointers(), Parts.Services.Prefs.FSPath, Parts.Services.Folders,
                      Parts.Services.Scenery, [&progress](int done, int total, const TArea& next) {
                          progress.setMaximum(total);
                          progress.setLabelText(Checking + u"\n"_s + RecordToText(next.Title));
                          progress.setValue(done);
                          return !progress.wasCanceled();
                      });
    progress.reset();
    if (check.Cancelled) {
        Parts.Status.Set(u"Airport check cancelled."_s);
        return;
    }
    if (check.FoundNothing()) {
        ShowInformation(u"No airport is defined by more than one active add-on area. "_s +
                        QString::fromStdString(AirportCheckSummary(check)));
        return;
    }
    TAirportsDlg dialog(check, AreaNames(Parts.Document()), &Parts.Window);
    connect(&dialog, &TAirportsDlg::useArea, this, [this, &dialog](int clash, int position) {
        TAreaUse use =
            UseAreaFor(Parts.Document(), dialog.Check(), static_cast<std::size_t>(clash), position);
        if (use.Step) {
            Parts.Core.Perform(std::move(*use.Step));
            dialog.Recheck(use.Check, AreaNames(Parts.Document()));
        }
        if (!use.Status.empty())
            Parts.Status.Set(RecordToText(use.Status));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenAreas().empty())
        return;
    std::vector<char> flags(static_cast<std::size_t>(Parts.List().RowCount()), 0);
    for (int position : dialog.ChosenAreas())
        flags[static_cast<std::size_t>(position)] = 1;
    Parts.Core.SelectFlagged(flags);
    Parts.Status.Set(QString::fromStdString(Counted(dialog.ChosenAreas().size(), "area", "areas")) +
                     u" that define %1 selected."_s.arg(dialog.ChosenIcao()));
}

// The list is not read again: Revert loads the Scenery.cfg of a new host folder when the user wants it.
void TLibraryDialogs::cmFileSettingsClick() {
    TSettingsDlg dialog(Parts.Services.Host, Parts.Services.Prefs, &Parts.Window);
    dialog.exec();
}

void TLibraryDialogs::cmHelpAboutClick() {
    TAboutBox box(&Parts.Window);
    box.exec();
}
