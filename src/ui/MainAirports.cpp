// The airport check in the main window: reads the active add-on areas' scenery files with a progress
// dialog the user can cancel, selects the areas of the airport the user picks, or applies "Use This
// Area" as one step and shows the dialog the check again.
#include "Main.h"

#include "AirportsDialog.h"
#include "AreaListView.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "model/format/CountText.h"
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

void THauptformular::cmAreaCheckAirportsClick() {
    QProgressDialog progress(Checking, u"Abbrechen"_s, 0, 1, this);
    progress.setWindowTitle(u"Quarrow"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const TAirportCheck check =
        CheckAirports(Document().AreaPointers(), FPrefs.FSPath, Folders, Scenery,
                      [&progress](int done, int total, const TArea& next) {
                          progress.setMaximum(total);
                          progress.setLabelText(Checking + u"\n"_s + RecordToText(next.Title));
                          progress.setValue(done);
                          return !progress.wasCanceled();
                      });
    progress.reset();
    if (check.Cancelled) {
        SetStatusText(u"Airport check cancelled."_s);
        return;
    }
    if (check.FoundNothing()) {
        ShowInformation(u"No airport is defined by more than one active add-on area. "_s +
                        QString::fromStdString(AirportCheckSummary(check)));
        return;
    }
    TAirportsDlg dialog(check, AreaNames(Document()), this);
    connect(&dialog, &TAirportsDlg::useArea, this, [this, &dialog](int clash, int position) {
        TAreaUse use = UseAreaFor(Document(), dialog.Check(), static_cast<std::size_t>(clash), position);
        if (use.Step) {
            Perform(std::move(*use.Step));
            dialog.Recheck(use.Check, AreaNames(Document()));
        }
        if (!use.Status.empty())
            SetStatusText(RecordToText(use.Status));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenAreas().empty())
        return;
    std::vector<char> flags(static_cast<std::size_t>(lvAreas->RowCount()), 0);
    for (int position : dialog.ChosenAreas())
        flags[static_cast<std::size_t>(position)] = 1;
    SelectFlagged(flags);
    SetStatusText(QString::fromStdString(Counted(dialog.ChosenAreas().size(), "area", "areas")) +
                  u" that define %1 selected."_s.arg(dialog.ChosenIcao()));
}
