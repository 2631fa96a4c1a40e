#pragma once

#include "model/document/SceneryDocument.h"

#include <string>

// The areas' Active flags in list order: '+' active, '-' not.
inline std::string ActiveFlags(const TSceneryDocument& document) {
    std::string flags;
    for (const TDocumentArea& entry : document.Areas)
        flags += entry.Area->Active ? '+' : '-';
    return flags;
}
