// Dragging areas to a new place in the main window's list.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"

#include <algorithm>

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
    const std::vector<char> selected = lvAreas->SelectionFlags();
    std::vector<TAreaRow*> dragged;
    std::vector<TAreaRow*> order;
    for (std::size_t position = 0; position < selected.size(); ++position) {
        TAreaRow* row = lvAreas->Row(static_cast<int>(position));
        if (selected[position] && row == CurrentItem)
            CurrentItem = nullptr;
        (selected[position] ? dragged : order).push_back(row);
    }
    TAreaRow* anchor = target < 0 ? nullptr : lvAreas->Row(target);
    order.insert(std::find(order.begin(), order.end(), anchor), dragged.begin(), dragged.end());
    lvAreas->Reorder(order);
    MarkModified();
    Renumber();
    FollowSelection();
}

void THauptformular::lvAreasEndDrag() {
    lvAreas->viewport()->update();
}
