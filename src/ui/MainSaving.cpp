#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "model/format/CountText.h"
#include "model/format/QuarrowTypes.h"
#include "ui_Main.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Local(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

// The library service's questions as the user reads them. Those whose Yes would overwrite what another
// program wrote default to No.
class TSaveQuestionBoxes : public TSaveQuestions {
public:
    bool Ask(const TSaveQuestion& question) override {
        switch (question.Kind) {
        case TSaveQuestionKind::OtherHostFolder:
            return AskYesNo(u"The list was loaded from "_s + Local(question.Path) + u". Save it to "_s +
                            Local(question.OtherPath) + u" anyway?"_s);
        case TSaveQuestionKind::ReadFailed:
            return AskYesNo(u"Scenery.cfg could not be read when it was loaded. Overwrite it anyway?"_s);
        case TSaveQuestionKind::OutsideChange:
            return AskYesNoDefaultNo(OutsideChangeQuestion(question.Change));
        case TSaveQuestionKind::SimulatorRunning:
            return AskYesNoDefaultNo(
                u"Flight Simulator 2004 is running. It reads the scenery library only when it starts, and "
                u"saving "
                u"its own Scenery Library later would replace what Quarrow saves now. Save anyway?"_s);
        case TSaveQuestionKind::NotALibrary:
        case TSaveQuestionKind::UnshownAreas:
            return AskYesNoDefaultNo(QString::fromLocal8Bit(question.Text));
        case TSaveQuestionKind::NoLocalPath:
            return AskYesNo(RecordToText(question.Text));
        case TSaveQuestionKind::PerUserCopy:
            return AskYesNo(u"Scenery.cfg cannot be written in "_s + Local(question.Path) +
                            u" without administrator rights. Save it as the simulator's per-user copy ("_s +
                            Local(question.OtherPath) +
                            u"), which the simulator reads when it runs without administrator rights?"_s);
        case TSaveQuestionKind::NoBackup:
            break;
        }
        return AskYesNo(u"Backup file could not be created. Overwrite scenery.cfg anyway?"_s);
    }

private:
    static QString OutsideChangeQuestion(TOutsideChange change) {
        if (change == TOutsideChange::Pending)
            return u"The simulator's Scenery Library changed the library after it was loaded "
                   u"(NewScenery.cfg). "
                   u"Overwrite it anyway?"_s;
        if (change == TOutsideChange::Deleted)
            return u"Scenery.cfg was deleted by another program after it was loaded. Save it anyway?"_s;
        return u"Scenery.cfg was changed by another program after it was loaded. Overwrite it anyway?"_s;
    }
};

// What the status bar says when the window comes back to the front after another program's change.
QString OutsideChangeHint(TOutsideChange change) {
    switch (change) {
    case TOutsideChange::Changed:
        return u"Scenery.cfg was changed by another program. Revert loads it."_s;
    case TOutsideChange::Deleted:
        return u"Scenery.cfg was deleted by another program. Revert shows an empty list."_s;
    case TOutsideChange::Pending:
        return u"The simulator's Scenery Library changed the library (NewScenery.cfg). Revert loads it."_s;
    case TOutsideChange::None:
        break;
    }
    return {};
}

} // namespace

void THauptformular::bbSaveClick() {
    TSaveQuestionBoxes questions;
    TSaveOutcome outcome =
        Library.Save(Document(), Parts.Services.Prefs.FSPath, Parts.Services.Prefs.Backup, questions);
    if (outcome.Result == TSaveResult::TooManyAreas) {
        ShowError(u"Scenery.cfg not saved! The list holds %1 areas, but at most %2 areas can be saved."_s
                      .arg(Document().Count())
                      .arg(LastAreaNumber));
        return;
    }
    if (outcome.Result == TSaveResult::Declined) {
        ShowError(u"Scenery.cfg not saved!"_s);
        return;
    }
    if (outcome.Result == TSaveResult::ReadOnly) {
        ShowError(u"Scenery.cfg not saved! "_s + Local(FileNameOf(outcome.File)) + u" is read-only."_s);
        return;
    }
    // The file holds the areas numbered from 1; the list shows them so, without a step of its own.
    const int count = outcome.Saved.Count();
    Session.MarkSaved(std::move(outcome.Saved));
    ShowDocument();
    FollowCurrent();
    LoadReport.ShowLibraryPath();
    if (outcome.RestorePointFailure.empty())
        Parts.Status.Set(u"Scenery.cfg saved: "_s + QString::fromStdString(Counted(count, "area", "areas")) +
                         u"."_s);
    else
        Parts.Status.Set(u"Saved; the restore point could not be kept: "_s +
                         QString::fromUtf8(outcome.RestorePointFailure) + u'.');
    if (!outcome.PendingLeft.empty())
        ShowError(u"Scenery.cfg was saved, but "_s + Local(outcome.PendingLeft) +
                  u" could not be removed: "_s + QString::fromUtf8(outcome.PendingFailure) +
                  u". The simulator will replace the saved library with it at its next start."_s);
}

// Coming back from an installer or the host's scenery dialog, the user learns at once that the list is
// out of date, before a save would have to ask. The cheap look serves the hint only: the save compares
// the bytes.
void THauptformular::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    if (const QString hint = OutsideChangeHint(Library.ChangedOutside(Parts.Services.Prefs.FSPath, true));
        !hint.isEmpty())
        Parts.Status.Set(hint);
}

void THauptformular::bbRevertClick() {
    if (!IsModified() || AskYesNo(u"Changes will be lost. Continue anyway?"_s))
        ReloadAll();
}

bool THauptformular::FormCloseQuery() {
    return !IsModified() || AskYesNo(u"Changes will be lost. Quit anyway?"_s);
}

// The close box, Alt+F4 and "E&xit" all arrive here.
void THauptformular::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
