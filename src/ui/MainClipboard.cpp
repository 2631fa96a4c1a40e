// The area clipboard of the main window: cut, copy and paste of whole areas inside the list. With the
// list unfocused the same commands work on the focused edit field through the system clipboard.
#include "Main.h"

#include "AreaListView.h"

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

// The selected areas go into the clipboard, the lowest row first, and leave the list.
void THauptformular::cmEditCutClick() {
    if (DoneOutsideTheList(lvAreas, TClipCommand::Cut))
        return;
    Session.Copy();
    if (!Session.Clipboard().empty())
        Perform(RemoveSelected(Document(), Session.Selected(), "Cut"));
}

void THauptformular::cmEditCopyClick() {
    if (!DoneOutsideTheList(lvAreas, TClipCommand::Copy))
        Session.Copy();
}

// The clipboard keeps its areas for another paste; each paste puts new entries into the list.
void THauptformular::cmEditPasteClick() {
    if (!DoneOutsideTheList(lvAreas, TClipCommand::Paste) && !Session.Clipboard().empty())
        Perform(PasteAreas(Document(), Session.Selected(), Session.Clipboard()));
}
