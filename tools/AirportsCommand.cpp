#include "AirportsCommand.h"

#include "model/scan/AirportCheck.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"

#include <cstdio>

int PrintAirportClashes(const TSceneryDocument& document, const std::string& hostFolder) {
    const std::vector<const TArea*> areas = document.AreaPointers();
    const TAirportCheck check = CheckAirports(areas, hostFolder, TSystemHostFolders(), TSystemSceneryFiles(),
                                              [](int, int, const TArea&) { return true; });
    for (const TAirportClash& clash : check.Clashes) {
        std::string line = clash.Icao;
        for (int position : clash.Positions) {
            const TArea& area = *areas[static_cast<std::size_t>(position)];
            line += "\t" + AreaSectionName(area.Number) + "\t" + area.Title;
        }
        line += "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    std::fprintf(stderr, "%s\n", AirportCheckSummary(check).c_str());
    return check.Clashes.empty() ? 0 : 1;
}
