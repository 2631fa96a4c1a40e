// The document in the main window: every command's result is shown here, the undo history takes each
// step, and the General fields feed [General].
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "FormLook.h"
#include "platform/AnsiCodec.h"
#include "ui_Main.h"

#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace {
// A step's name in a menu caption: a single '&' would mark the next letter as the item's key.
QString MenuText(const std::string& name) {
    return AnsiToUnicode(name).replace(u"&"_s, u"&&"_s);
}
} // namespace

void THauptformular::Perform(TDocumentStep step) {
    PerformEdit(std::move(step), {});
    ShowSelectionStatus();
}

void THauptformular::PerformEdit(TDocumentStep step, const std::string& runKey) {
    SettleCurrent(step, Document(), lvAreas->SelectionFlags(), CurrentItem ? CurrentItem->Id() : 0);
    TSelection selected = std::move(step.Selected);
    const TEntryId current = step.Current;
    KeepShown(step);
    History.Record(std::move(step), runKey);
    ShowDocument(selected, current);
    FollowCurrent();
}

// Rows whose entry and area are unchanged are left as they are, so a keystroke rewrites one row. The
// list stays quiet meanwhile: its caller refreshes the editor and the commands once, for the result.
// The editor follows the current entry the step names.
void THauptformular::ShowDocument(const TSelection& selected, TEntryId current) {
    const TSceneryDocument& document = Document();
    {
        const QSignalBlocker quiet(lvAreas);
        CheckFolders(lvAreas->ShowEntries(document.Areas, CurrentItem));
        if (lvAreas->SelectionFlags() != selected)
            lvAreas->SelectByFlags(selected);
    }
    const int position = PositionOf(document, current);
    CurrentItem = position >= 0 ? lvAreas->Row(position) : nullptr;
    CountMissingFolders();
    ShowGeneral(document.General);
    ShowFilter();
    Modified = !History.IsSaved();
    UpdateUndoItems();
}

void THauptformular::ShowGeneral(const TGeneral& general) {
    Updating = true;
    SetTextIfDifferent(ui->eCfgTitle, AnsiToUnicode(general.Title));
    SetTextIfDifferent(ui->eDescription, AnsiToUnicode(general.Description));
    ui->cbCleanOnExit->setChecked(general.CleanOnExit);
    Updating = false;
}

void THauptformular::UpdateUndoItems() {
    ui->cmEditUndo->setEnabled(History.CanUndo());
    ui->cmEditUndo->setText(History.CanUndo() ? u"&Undo "_s + MenuText(History.UndoName()) : u"&Undo"_s);
    ui->cmEditRedo->setEnabled(History.CanRedo());
    ui->cmEditRedo->setText(History.CanRedo() ? u"&Redo "_s + MenuText(History.RedoName()) : u"&Redo"_s);
}

void THauptformular::cmEditUndoClick() {
    if (History.CanUndo())
        ShowStepAgain(History.Undo());
}

void THauptformular::cmEditRedoClick() {
    if (History.CanRedo())
        ShowStepAgain(History.Redo());
}

// The rows the step touched are selected again and the editor follows the first of them.
void THauptformular::ShowStepAgain(const TSelection& touched) {
    CurrentItem = nullptr;
    FKeptShown.clear();
    ShowDocument(touched, 0);
    FollowSelection();
}

// The keystrokes of one field form one step, as in the area editor.
void THauptformular::ConnectGeneralFields() {
    connect(ui->eCfgTitle, &QLineEdit::textChanged, this, [this](const QString& text) {
        ChangeGeneralField(
            "Title", [title = FieldTextToAnsi(text)](TGeneral& general) { general.Title = title; }, true);
    });
    connect(ui->eDescription, &QLineEdit::textChanged, this, [this](const QString& text) {
        ChangeGeneralField(
            "Description",
            [description = FieldTextToAnsi(text)](TGeneral& general) { general.Description = description; },
            true);
    });
    connect(ui->cbCleanOnExit, &QCheckBox::toggled, this, [this](bool checked) {
        ChangeGeneralField("Clean on Exit", [checked](TGeneral& general) { general.CleanOnExit = checked; });
    });
}

void THauptformular::ChangeGeneralField(const char* name, const std::function<void(TGeneral&)>& change,
                                        bool typed) {
    if (!Updating)
        PerformEdit(ChangeGeneral(Document(), lvAreas->SelectionFlags(), name, change), typed ? name : "");
}
