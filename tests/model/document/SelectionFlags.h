#pragma once

#include "model/document/ListRules.h"

#include <vector>

// A selection of count rows with the listed ones selected.
inline TSelection Flags(int count, const std::vector<int>& selected) {
    TSelection flags(static_cast<std::size_t>(count), 0);
    for (int row : selected)
        flags[static_cast<std::size_t>(row)] = 1;
    return flags;
}
