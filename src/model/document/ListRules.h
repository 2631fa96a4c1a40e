#pragma once

#include <vector>

// The arithmetic of the area list's commands, apart from any window: which rows a command takes, in
// which order they end up, and which rows are selected afterwards. Positions count from 0; a
// selection has one flag per row.
using TSelection = std::vector<char>;

// A new row order (each entry the old position of the row that stands there) and the new selection.
struct TListChange {
    std::vector<int> Order;
    TSelection Selected;
};

// Each selected row changes places with the one above, top down, and the selection goes to the upper
// place, so a block moves up one place; row 0 never moves up.
TListChange MoveUp(const TSelection& selected);
// The mirror of MoveUp, bottom up; a selected last row stays.
TListChange MoveDown(const TSelection& selected);
// The selected rows directly above the target row in their former order, unselected; a target of -1
// (no row under the pointer) puts them at the end.
TListChange Drop(const TSelection& selected, int target);
// Whether the selected rows may be dropped above the target row (-1: past the last row): protected
// rows are neither dragged nor dropped onto, and a selected row is no target for itself.
bool DropAllowed(const TSelection& selected, int target, int protectedRows);
// The row at from taken out and put back just below the row at after, yet never among the first
// protectedRows; the moved row alone is selected (Use This Area).
TListChange MoveBelow(std::size_t count, int from, int after, int protectedRows);
// The selected positions from the last to the first: the order in which Cut and Copy fill the area
// clipboard, whose entry 0 is the lowest selected row.
std::vector<int> SelectedBottomUp(const TSelection& selected);
// The selected positions from the first to the last: the rows both export commands write, in that
// order, and the rows Cut and Export then takes.
std::vector<int> SelectedTopDown(const TSelection& selected);
// Where Paste inserts its block (the first selected row, taken once), or -1 when no row is selected.
int FirstSelected(const TSelection& selected);

// Import's two places for an area set: above the one selected row, or after the last row.
enum class TInsertPlace { BeforeSelected, AtEnd };
// The position the imported block starts at (the areas follow one another in ascending section
// number); -1 when inserting before the selection finds not exactly one row selected.
int ImportPosition(const TSelection& selected, TInsertPlace place);
