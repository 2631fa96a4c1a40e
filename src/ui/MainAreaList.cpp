// The area list commands of the main window: numbering, adding, duplicating, deleting and moving.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"
#include "model/document/ListRules.h"
#include "platform/AnsiCodec.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// False, after telling the user, when no row is selected.
bool AnySelected(const TSelection& selected, const QString& error) {
    if (std::find(selected.begin(), selected.end(), 1) != selected.end())
        return true;
    ShowError(error);
    return false;
}

QString Quoted(const std::string& title) {
    return u"\""_s + AnsiToUnicode(title) + u"\""_s;
}
} // namespace

void THauptformular::bbRenumberClick() {
    Perform(RenumberAreas(Document(), lvAreas->SelectionFlags()));
}

void THauptformular::bbAddClick() {
    Perform(AddArea(Document()));
    lvAreas->SelectOnly(lvAreas->RowCount() - 1);
    lvAreas->scrollToItem(lvAreas->Row(lvAreas->RowCount() - 1));
}

void THauptformular::bbDuplClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (!AnySelected(selected, u"No area selected!"_s))
        return;
    Perform(DuplicateAreas(Document(), selected));
    lvAreas->scrollToItem(lvAreas->Row(lvAreas->RowCount() - 1));
}

// Asks for each selected row from the bottom up; required areas are never deleted. The rows the user
// agreed to go in one step.
void THauptformular::bbDeleteClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (!AnySelected(selected, u"No area selected!"_s))
        return;
    TSelection deleted(selected.size(), 0);
    for (int position : SelectedBottomUp(selected)) {
        const TArea& area = Document().Area(position);
        if (!MayBeDeleted(area))
            ShowError(u"Area "_s + Quoted(area.Title) + u" is marked as REQUIRED and cannot be deleted!"_s);
        else
            deleted[static_cast<std::size_t>(position)] =
                AskYesNo(u"Do you really want to delete area "_s + Quoted(area.Title) + u"?"_s);
    }
    if (std::find(deleted.begin(), deleted.end(), 1) != deleted.end())
        Perform(DeleteAreas(Document(), selected, deleted));
    else
        FollowSelection();
}

// A block of selected rows moves up one place per click, keeping its order and its selection.
void THauptformular::bbUpClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (AnySelected(selected, u"No areas selected!"_s))
        Perform(ReorderAreas(Document(), selected, MoveUp(selected), "Move up"));
}

void THauptformular::bbDownClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (AnySelected(selected, u"No areas selected!"_s))
        Perform(ReorderAreas(Document(), selected, MoveDown(selected), "Move down"));
}
