// The document in the main window: every command's result is shown here, and the undo history takes
// each step.
#include "Main.h"

#include "AreaListView.h"
#include "CodePageText.h"
#include "EditorPanel.h"
#include "FindBar.h"
#include "ui_Main.h"

#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace {
// A step's name in a menu caption: a single '&' would mark the next letter as the item's key.
QString MenuText(const std::string& name) {
    return RecordToText(name).replace(u"&"_s, u"&&"_s);
}
} // namespace

void THauptformular::Perform(TDocumentStep step) {
    PerformEdit(std::move(step), {});
    ShowSelectionStatus();
}

void THauptformular::PerformEdit(TDocumentStep step, const std::string& runKey) {
    Session.Perform(std::move(step), runKey);
    ShowDocument();
    FollowCurrent();
}

// Rows whose entry and area are unchanged are left as they are, so a keystroke rewrites one row. The
// list stays quiet meanwhile: its caller refreshes the editor and the commands once, for the result.
// The editor follows the session's current entry.
void THauptformular::ShowDocument() {
    const TSceneryDocument& document = Document();
    {
        const QSignalBlocker quiet(lvAreas);
        Parts.Marks.Check(lvAreas->ShowEntries(document.Areas));
        if (lvAreas->SelectionFlags() != Session.Selected())
            lvAreas->SelectByFlags(Session.Selected());
    }
    Parts.Marks.Count();
    FEditor->ShowGeneral(document.General);
    FFind->Show();
    UpdateUndoItems();
}

void THauptformular::UpdateUndoItems() {
    const TDocumentHistory& history = Session.History();
    ui->cmEditUndo->setEnabled(history.CanUndo());
    ui->cmEditUndo->setText(history.CanUndo() ? u"&Undo "_s + MenuText(history.UndoName()) : u"&Undo"_s);
    ui->cmEditRedo->setEnabled(history.CanRedo());
    ui->cmEditRedo->setText(history.CanRedo() ? u"&Redo "_s + MenuText(history.RedoName()) : u"&Redo"_s);
}

void THauptformular::cmEditUndoClick() {
    if (!Session.History().CanUndo())
        return;
    Session.Undo();
    ShowStepAgain();
}

void THauptformular::cmEditRedoClick() {
    if (!Session.History().CanRedo())
        return;
    Session.Redo();
    ShowStepAgain();
}

// The rows the step touched are selected again and the editor follows the first of them.
void THauptformular::ShowStepAgain() {
    ShowDocument();
    FollowSelection();
}
