// Dragging areas to a new place in the main window's list.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "model/ListRules.h"

// Rows 0 and 1 are neither dragged nor dropped onto; a selected row is no target for itself.
bool THauptformular::lvAreasDragOver(int target) const {
    if (lvAreas->IsRowSelected(0) || lvAreas->IsRowSelected(1))
        return false;
    return target < 0 || (target > 1 && !lvAreas->IsRowSelected(target));
}

// The selected areas land directly above the target row in their former order, unselected; with no
// row under the pointer they go to the end. Rows are reordered, never destroyed, so no area is lost;
// the dragged ones count as rows taken out and put back, so the editor lets go of them.
void THauptformular::lvAreasDragDrop(int target) {
    if (!lvAreasDragOver(target))
        return;
    if (CurrentItem && CurrentItem->isSelected())
        CurrentItem = nullptr;
    ApplyListChange(Drop(lvAreas->SelectionFlags(), target));
}

void THauptformular::lvAreasEndDrag() {
    lvAreas->viewport()->update();
}
