// The area clipboard of the main window: cut, copy and paste of whole areas inside the list. With the
// list unfocused the same commands work on the focused edit field through the system clipboard.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "model/ListRules.h"

#include <QApplication>
#include <QLineEdit>

namespace {

enum class TClipCommand { Cut, Copy, Paste };

// The common first step: true when the command belonged to an edit field (or to no control at all)
// because the list does not have the focus. Folder fields are read-only: they allow Copy only.
bool DoneOutsideTheList(const QWidget* list, TClipCommand command) {
    if (list->hasFocus())
        return false;
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!field)
        return true;
    if (command == TClipCommand::Copy)
        field->copy();
    else if (field->isReadOnly())
        return true;
    else if (command == TClipCommand::Cut)
        field->cut();
    else
        field->paste();
    return true;
}

} // namespace

// The selected rows go into the clipboard with their areas, the lowest row first.
void THauptformular::cmEditCutClick() {
    if (DoneOutsideTheList(lvAreas, TClipCommand::Cut))
        return;
    AreaClipboard.clear();
    const std::vector<int> taken = SelectedBottomUp(lvAreas->SelectionFlags());
    if (taken.empty())
        return;
    if (CurrentItem && CurrentItem->isSelected())
        CurrentItem = nullptr;
    AreaClipboard = lvAreas->TakeRows(taken);
    MarkModified();
    Renumber();
    FollowSelection();
}

void THauptformular::cmEditCopyClick() {
    if (DoneOutsideTheList(lvAreas, TClipCommand::Copy))
        return;
    AreaClipboard.clear();
    for (int position : SelectedBottomUp(lvAreas->SelectionFlags())) {
        auto copy = std::make_unique<TArea>();
        copy->Assign(lvAreas->Row(position)->Area());
        AreaClipboard.push_back(std::move(copy));
    }
}

// Copies of the clipboard's areas go above the first selected row, entry 0 on top, so the block comes
// back in the reverse of the order it was taken in; the clipboard keeps its areas for another paste.
void THauptformular::cmEditPasteClick() {
    if (DoneOutsideTheList(lvAreas, TClipCommand::Paste) || AreaClipboard.empty())
        return;
    const int position = FirstSelected(lvAreas->SelectionFlags());
    if (position >= 0) {
        QList<QTreeWidgetItem*> rows;
        for (const std::unique_ptr<TArea>& entry : AreaClipboard) {
            auto copy = std::make_unique<TArea>();
            copy->Assign(*entry);
            auto* row = new TAreaRow(std::move(copy));
            UpdateRow(*row);
            rows.append(row);
        }
        CheckFolders(rows);
        lvAreas->insertTopLevelItems(position, rows);
    }
    MarkModified();
    Renumber();
    FollowSelection();
}
