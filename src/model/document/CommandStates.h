#pragma once

#include "model/document/SceneryDocument.h"

// Which commands and editor controls the current row and the selection allow.
struct TCommandStates {
    // The editor's fields and buttons take changes.
    bool Editable = false;
    // The active box, which a required area keeps ticked.
    bool ActiveBox = false;
    bool Up = false;
    bool Down = false;
    // Delete and Cut & Export: no required area among the selected rows.
    bool Delete = false;
    // Duplicate and Export.
    bool Duplicate = false;
    // Import, Copy and Paste, which need no selection.
    bool PlaceFree = false;
    bool Cut = false;
};

// Protected rows allow no list command but Add and Renumber; otherwise the selection's place in the
// list and its required areas decide. The current row is the one the editor shows, -1 for none.
TCommandStates EnabledCommands(const TSceneryDocument& document, const TSelection& selected, int current);
