#include "model/scan/AirportUse.h"

#include "model/format/CountText.h"

#include <map>

namespace {

// The entry that each airport defined more than once takes from the simulator.
std::map<std::string, TEntryId> Winners(const TAirportCheck& check, const TSceneryDocument& document) {
    std::map<std::string, TEntryId> winners;
    for (const TAirportClash& clash : check.Clashes)
        winners[clash.Icao] = document.Areas[static_cast<std::size_t>(clash.Positions.front())].Id;
    return winners;
}

std::string OthersChanged(const std::map<std::string, TEntryId>& before,
                          const std::map<std::string, TEntryId>& after, const std::string& icao) {
    std::string list;
    std::size_t count = 0;
    for (const auto& [ident, winner] : after) {
        const auto old = before.find(ident);
        if (ident == icao || (old != before.end() && old->second == winner))
            continue;
        list += (count++ ? ", " : "") + ident;
    }
    if (count == 0)
        return {};
    return "Also changes the winner of " + Counted(count, "other airport", "other airports") + ": " + list +
           ".";
}

} // namespace

TAreaUse UseAreaFor(const TSceneryDocument& document, const TAirportCheck& check, std::size_t clash,
                    int position) {
    const TAirportClash& airport = check.Clashes[clash];
    if (position < ProtectedRows)
        return {std::nullopt, check, "The first two rows never move."};
    const TListChange change =
        MoveBelow(document.Areas.size(), position, airport.Positions.front(), ProtectedRows);
    // The moved row is the one the step touches: undoing it selects the row in its old place.
    TSelection moved(document.Areas.size(), 0);
    moved[static_cast<std::size_t>(position)] = 1;
    TDocumentStep step = ReorderAreas(document, moved, change,
                                      "Use " + document.Area(position).Title + " for " + airport.Icao);
    TAirportCheck again = Rechecked(check, change.Order, step.Document.AreaPointers());
    std::string status = OthersChanged(Winners(check, document), Winners(again, step.Document), airport.Icao);
    return {std::move(step), std::move(again), std::move(status)};
}
