#include "model/scan/AirportCheck.h"

#include "model/format/CountText.h"
#include "model/library/HostFolders.h"
#include "model/scan/BglAirports.h"
#include "model/scan/SceneryFiles.h"

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The part of path after folder and a separator, compared without regard to letter case (Windows
// spells one folder in many ways); nullptr when the path does not lie inside the folder.
const char* Below(const std::string& path, std::string folder) {
    while (!folder.empty() && IsSeparator(folder.back()))
        folder.pop_back();
    if (folder.empty() || path.size() <= folder.size() || !IsSeparator(path[folder.size()]))
        return nullptr;
    for (std::size_t i = 0; i < folder.size(); ++i)
        if (Folded(path[i]) != Folded(folder[i]) && !(IsSeparator(path[i]) && IsSeparator(folder[i])))
            return nullptr;
    return path.c_str() + folder.size() + 1;
}

// The folder itself or one inside it; a trailing separator makes the folder itself lie below it.
bool InsideOrSame(const std::string& path, const std::string& folder) {
    return Below(path + '/', folder) != nullptr;
}

struct TAreaToRead {
    const TArea* Area;
    int Position;
    std::string Folder;
};

std::vector<TAreaToRead> AddOnAreas(const std::vector<const TArea*>& areas, const std::string& hostFolder,
                                    const THostFolders& folders) {
    const std::unique_ptr<TFolderCheck> check = folders.StartCheck(hostFolder);
    const std::string ownScenery = check->Resolve("Scenery").Path;
    std::vector<TAreaToRead> found;
    for (std::size_t position = 0; position < areas.size(); ++position) {
        if (!areas[position]->Active)
            continue;
        TFolderFound folder = check->Resolve(areas[position]->Local);
        if (folder.Exists && !InsideOrSame(folder.Path, ownScenery))
            found.push_back({areas[position], static_cast<int>(position), std::move(folder.Path)});
    }
    return found;
}

} // namespace

TAirportCheck CheckAirports(const std::vector<const TArea*>& areas, const std::string& hostFolder,
                            const THostFolders& folders, const TSceneryFiles& files,
                            const TAirportProgress& progress) {
    const std::vector<TAreaToRead> toRead = AddOnAreas(areas, hostFolder, folders);
    TAirportCheck check;
    std::vector<TScannedArea> scanned;
    for (const TAreaToRead& area : toRead) {
        if (!progress(static_cast<int>(scanned.size()), static_cast<int>(toRead.size()), *area.Area)) {
            check.Cancelled = true;
            return check;
        }
        scanned.push_back({area.Position, area.Area->Layer, {}});
        for (const std::string& path : files.BglFiles(area.Folder)) {
            ++check.Files;
            const std::unique_ptr<TByteSource> bytes = files.Open(path);
            TBglAirports read = bytes ? ReadBglAirports(*bytes) : TBglAirports{};
            check.Unreadable += read.State == TBglAirports::TState::Unreadable;
            if (read.Idents.empty())
                continue;
            const char* below = Below(path, hostFolder);
            scanned.back().Files.push_back({below ? below : path, std::move(read.Idents)});
        }
    }
    TAirportGrouping grouping = FindAirportClashes(scanned);
    check.Clashes = std::move(grouping.Clashes);
    check.Airports = grouping.Airports;
    return check;
}

std::string AirportCheckSummary(const TAirportCheck& check) {
    std::string text = Counted(static_cast<std::size_t>(check.Airports), "airport", "airports") + " in " +
                       Counted(static_cast<std::size_t>(check.Files), "file", "files") + " checked";
    if (check.Unreadable > 0)
        text += ", " + std::to_string(check.Unreadable) + " unreadable";
    return text + ".";
}
