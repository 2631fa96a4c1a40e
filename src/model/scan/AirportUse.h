#pragma once

#include "model/document/DocumentCommands.h"
#include "model/scan/AirportCheck.h"

#include <optional>
#include <string>

// What "Use This Area" does: the step, the check with the areas in their new places, and what the
// status bar says afterwards (why nothing moved, or which other airports now have another winner).
struct TAreaUse {
    std::optional<TDocumentStep> Step;
    TAirportCheck Check;
    std::string Status;
};

// Makes the area at the position the one the simulator uses for the clash's airport: it moves just
// below the area used so far, the document is renumbered like every move, so that its layer is the
// higher one; it alone is selected. An area in a protected row does not move.
TAreaUse UseAreaFor(const TSceneryDocument& document, const TAirportCheck& check, std::size_t clash,
                    int position);
