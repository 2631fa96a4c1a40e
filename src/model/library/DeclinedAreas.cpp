#include "model/library/DeclinedAreas.h"

#include <algorithm>

namespace {
// Windows allows no '|' in a path, so it cannot stand inside a Local Path the simulator reads.
constexpr char Separator = '|';

std::vector<std::string> Split(const std::string& value) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = value.find(Separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(value.substr(start, end - start));
    parts.push_back(value.substr(start));
    return parts;
}
} // namespace

std::string DeclinedAreasValue(const std::string& hostFileHash, const std::vector<TArea>& declined) {
    std::string value = hostFileHash;
    for (const TArea& area : declined)
        value += Separator + area.Local;
    return value;
}

std::vector<TArea> AreasToOffer(const std::vector<TArea>& hostOnly, const std::string& hostFileHash,
                                const std::string& declinedValue) {
    const std::vector<std::string> parts = Split(declinedValue);
    if (hostFileHash.empty() || parts.front() != hostFileHash)
        return hostOnly;
    std::vector<TArea> offered;
    for (const TArea& area : hostOnly)
        if (std::find(parts.begin() + 1, parts.end(), area.Local) == parts.end())
            offered.push_back(area);
    return offered;
}
