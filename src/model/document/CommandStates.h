#pragma once

#include "model/document/DocumentCommands.h"

// The conditions on the current row and the selection that the commands and editor controls depend on.
struct TCommandStates {
    // The editor's fields and buttons take changes; Duplicate and Export need no more.
    bool CurrentEditable = false;
    // The active box, which a required area keeps ticked.
    bool CurrentNotRequired = false;
    // Move up and Move down: the current row is editable and no selected row stands at that end.
    bool TopNotSelected = false;
    bool BottomNotSelected = false;
    // Delete and Cut & Export: the current row is editable and no required area is selected.
    bool NoRequiredSelected = false;
    // Import, Copy and Paste, which need no selection: the current row is editable or there is none.
    bool NoProtectedCurrent = false;
    // Cut: as above, and no required area is selected.
    bool NoProtectedNorRequired = false;
    // Activate and Deactivate act on the selection's editable rows, whichever row is current.
    bool EditableSelected = false;
};

// Protected rows allow no list command but Add and Renumber; otherwise the selection's place in the
// list and its required areas decide. The current row is the one the editor shows, -1 for none.
TCommandStates EnabledCommands(const TSceneryDocument& document, const TSelection& selected, int current);
