#include "model/scan/AirportClashes.h"

#include <algorithm>
#include <map>

namespace {

// Where an ident was met: the area (its index among the scanned areas) and the file in it.
struct TDefinition {
    std::size_t Area;
    std::size_t File;
};

std::map<std::string, std::vector<TDefinition>> Definitions(const std::vector<TScannedArea>& areas) {
    std::map<std::string, std::vector<TDefinition>> definitions;
    for (std::size_t area = 0; area < areas.size(); ++area)
        for (std::size_t file = 0; file < areas[area].Files.size(); ++file)
            for (const std::string& ident : areas[area].Files[file].Idents) {
                std::vector<TDefinition>& found = definitions[ident];
                if (found.empty() || found.back().Area != area || found.back().File != file)
                    found.push_back({area, file});
            }
    return definitions;
}

TAirportClash Clash(const std::string& icao, std::vector<TDefinition> found,
                    const std::vector<TScannedArea>& areas) {
    std::stable_sort(found.begin(), found.end(), [&areas](const TDefinition& one, const TDefinition& other) {
        const TScannedArea& a = areas[one.Area];
        const TScannedArea& b = areas[other.Area];
        return a.Layer != b.Layer ? a.Layer > b.Layer : a.Position > b.Position;
    });
    TAirportClash clash{icao, {}, {}};
    for (const TDefinition& definition : found) {
        const TScannedArea& area = areas[definition.Area];
        if (clash.Positions.empty() || clash.Positions.back() != area.Position)
            clash.Positions.push_back(area.Position);
        clash.Files.push_back({area.Files[definition.File].Path, area.Position});
    }
    return clash;
}

} // namespace

TAirportGrouping FindAirportClashes(const std::vector<TScannedArea>& areas) {
    std::map<std::string, std::vector<TDefinition>> definitions = Definitions(areas);
    TAirportGrouping grouping{{}, static_cast<int>(definitions.size())};
    for (auto& [icao, found] : definitions) {
        TAirportClash clash = Clash(icao, std::move(found), areas);
        if (clash.Positions.size() > 1)
            grouping.Clashes.push_back(std::move(clash));
    }
    return grouping;
}
