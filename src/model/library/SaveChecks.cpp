#include "model/library/SaveChecks.h"

#include "model/format/CountText.h"
#include "model/format/QuarrowTypes.h"

namespace {
constexpr int TitlesNamed = 5;
}

std::string NoLocalPathQuestion(std::span<const TArea* const> areas, const std::string& action) {
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
    // An elided list already ends in dots.
    const char* end = count > TitlesNamed ? " " : ". ";
    return Counted(count, "area has", "areas have") + " no Local Path and will not be read back: " + titles +
           end + action + " anyway?";
}

std::string AreaSetNumberError(std::span<const TArea* const> areas) {
    for (const TArea* area : areas)
        if (area->Number < 0 || area->Number > LastAreaNumber)
            return "Area set not exported! Area \"" + area->Title + "\" has the number " +
                   std::to_string(area->Number) + ", but an area set holds only the numbers 0 to " +
                   std::to_string(LastAreaNumber) + ". Renumber the list first.";
    return {};
}
