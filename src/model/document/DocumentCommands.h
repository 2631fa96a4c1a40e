#pragma once

#include "model/document/SceneryDocument.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One change of the document as a command makes it: the new document and the selection the command
// leaves, plus the rows it touched on either side, which undoing and redoing it select.
struct TDocumentStep {
    // What the Edit menu calls the step: "Undo Move down".
    std::string Name;
    TSceneryDocument Document;
    TSelection Selected;
    // In the document before the step.
    TSelection TouchedBefore;
    // In Document.
    TSelection TouchedAfter;
    // The entry the editor shows after the step, 0 for none; SettleCurrent sets it.
    TEntryId Current = 0;
};

// The row the editor follows after the step: the one it showed while the step keeps the same entries
// selected, else the first selected row; with nothing selected the one it showed, unless the step took
// that row out of the selection or the list.
void SettleCurrent(TDocumentStep& step, const TSceneryDocument& before, const TSelection& selectedBefore,
                   TEntryId currentBefore);
// The row of the entry, -1 when the document has none.
int PositionOf(const TSceneryDocument& document, TEntryId id);

// The commands of the list. Each takes the document and the selection (one flag per row) and gives
// the step; none changes the document it is given.

// A new area after the last one, numbered and layered after the largest so far, selected alone.
TDocumentStep AddArea(const TSceneryDocument& document);
// Copies of the selected areas at the end in list order, titled "Copy of ...", each numbered after the
// largest so far; the selection stays.
TDocumentStep DuplicateAreas(const TSceneryDocument& document, const TSelection& selected);
// Takes out the rows flagged in deleted, never a required area; the rest of the selection stays and
// the list keeps its numbers.
TDocumentStep DeleteAreas(const TSceneryDocument& document, const TSelection& selected,
                          const TSelection& deleted);
// Number and layer of every area become its position counted from 1.
TDocumentStep RenumberAreas(const TSceneryDocument& document, const TSelection& selected);
// The rows in the change's order, renumbered, with the change's selection (Move up, Move down, a drop).
TDocumentStep ReorderAreas(const TSceneryDocument& document, const TSelection& selected,
                           const TListChange& change, std::string name);
// The selected editable rows, in their order, just below the protected rows (Move to Top) or after
// the last row (Move to Bottom), renumbered; the selection moves with the rows. None when no row
// would change its place.
std::optional<TDocumentStep> MoveAreasToTop(const TSceneryDocument& document, const TSelection& selected);
std::optional<TDocumentStep> MoveAreasToBottom(const TSceneryDocument& document, const TSelection& selected);
// Both need a selected row below the protected ones.
bool CanMoveToEnd(const TSelection& selected);
// Takes the selected rows out and renumbers the rest; nothing stays selected (Cut, Cut & Export).
TDocumentStep RemoveSelected(const TSceneryDocument& document, const TSelection& selected, std::string name);
// The selected areas from the bottom up: what Cut and Copy put into the area clipboard.
std::vector<TAreaRef> CopiedAreas(const TSceneryDocument& document, const TSelection& selected);
// New entries for the clipboard's areas above the first selected row, entry 0 on top, then the list
// renumbered; with no row selected only the renumbering.
TDocumentStep PasteAreas(const TSceneryDocument& document, const TSelection& selected,
                         const std::vector<TAreaRef>& clipboard);
// The areas as new entries from the position on, in their order, then the list renumbered (Import).
TDocumentStep InsertAreas(const TSceneryDocument& document, const TSelection& selected, int position,
                          std::vector<TArea> areas, std::string name);
// A changed copy of one area in its place (the area editor); a required area stays active.
TDocumentStep ChangeArea(const TSceneryDocument& document, const TSelection& selected, int position,
                         std::string name, const std::function<void(TArea&)>& change);
TDocumentStep ChangeGeneral(const TSceneryDocument& document, const TSelection& selected, std::string name,
                            const std::function<void(TGeneral&)>& change);
// Another library in the list's place, with its [General], the first row selected as after a load
// (Restore); undoing it selects the first row of the list before.
TDocumentStep ReplaceDocument(const TSceneryDocument& document, TSceneryDocument replacement,
                              std::string name);

struct TActivation {
    TDocumentStep Step;
    // Selected required areas that stay active under Deactivate.
    int RequiredKept = 0;
};

// Every selected editable row becomes active or inactive; a required area stays active.
TActivation SetActive(const TSceneryDocument& document, const TSelection& selected, bool active);

// The areas as new entries, in their order, each numbered and layered after the largest so far.
std::vector<TDocumentArea> NewEntriesAfterLargest(const TSceneryDocument& document, std::vector<TArea> areas);

// The simulator cannot do without a required area: it is always active. Every command keeps it so.
bool MustBeActive(const TArea& area);
// For the same reason Delete and Cut leave a required area in the list.
bool MayBeDeleted(const TArea& area);
// The active copy of an area that must be active and is not, else none.
TAreaRef ActivatedIfRequired(const TAreaRef& area);
