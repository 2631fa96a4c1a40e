#include "model/SaveChecks.h"

#include "model/QuarrowTypes.h"

namespace {
constexpr int TitlesNamed = 5;
}

std::string NoLocalPathQuestion(std::span<const TArea* const> areas) {
    int count = 0;
    std::string titles;
    for (const TArea* area : areas) {
        if (!area->Local.empty())
            continue;
        if (count < TitlesNamed)
            titles += (count > 0 ? ", " : "") + area->Title;
        else if (count == TitlesNamed)
            titles += ", ...";
        ++count;
    }
    if (count == 0)
        return {};
    return std::to_string(count) + " area(s) have no Local Path and will not be read back: " + titles +
           " Save anyway?";
}
