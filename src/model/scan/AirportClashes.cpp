#include "model/scan/AirportClashes.h"

#include <algorithm>
#include <map>

namespace {

// Where an ident was met: the area (its index among the scanned areas) and the file in it.
struct TDefinition {
    std::size_t Area;
    std::size_t File;
};

// Whether the simulator loads the first area after the second, so that the first one's airports win.
bool LoadsLater(const TScannedArea& one, const TScannedArea& other) {
    return one.Layer != other.Layer ? one.Layer > other.Layer : one.Position > other.Position;
}

// The index of the area loaded last among those with each folder; each other one is a listing twice.
std::vector<std::size_t> ReadOnce(const std::vector<TScannedArea>& areas, std::vector<TListedTwice>& twice) {
    std::map<std::string, std::size_t> last;
    for (std::size_t area = 0; area < areas.size(); ++area) {
        auto [found, added] = last.try_emplace(areas[area].Folder, area);
        if (!added && LoadsLater(areas[area], areas[found->second]))
            found->second = area;
    }
    std::vector<std::size_t> read;
    for (std::size_t area = 0; area < areas.size(); ++area) {
        const std::size_t winner = last.at(areas[area].Folder);
        if (winner == area)
            read.push_back(area);
        else
            twice.push_back({areas[winner].Position, areas[area].Position});
    }
    std::stable_sort(twice.begin(), twice.end(),
                     [](const TListedTwice& a, const TListedTwice& b) { return a.Higher < b.Higher; });
    return read;
}

std::map<std::string, std::vector<TDefinition>> Definitions(const std::vector<TScannedArea>& areas,
                                                            const std::vector<std::size_t>& read) {
    std::map<std::string, std::vector<TDefinition>> definitions;
    for (const std::size_t area : read)
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
        return LoadsLater(areas[one.Area], areas[other.Area]);
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
    TAirportGrouping grouping;
    const std::vector<std::size_t> read = ReadOnce(areas, grouping.Twice);
    std::map<std::string, std::vector<TDefinition>> definitions = Definitions(areas, read);
    grouping.Airports = static_cast<int>(definitions.size());
    for (auto& [icao, found] : definitions) {
        TAirportClash clash = Clash(icao, std::move(found), areas);
        if (clash.Files.size() > 1)
            grouping.Clashes.push_back(std::move(clash));
    }
    return grouping;
}
