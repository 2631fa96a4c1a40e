// Dragging areas to a new place in the main window's list.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "model/document/ListRules.h"

// While rows are hidden, a drop's place among them would be a guess.
bool THauptformular::lvAreasDragOver(int target) const {
    return !Session.RowsHidden() && DropAllowed(Session.Selected(), target, ProtectedRows);
}

// The selected areas land directly above the target row in their former order, unselected; with no
// row under the pointer they go to the end. The dragged ones count as rows taken out and put back, so
// the editor lets go of them.
void THauptformular::lvAreasDragDrop(int target) {
    if (!lvAreasDragOver(target))
        return;
    const TSelection selected = Session.Selected();
    Perform(ReorderAreas(Document(), selected, Drop(selected, target), "Move"));
}

void THauptformular::lvAreasEndDrag() {
    lvAreas->viewport()->update();
}
