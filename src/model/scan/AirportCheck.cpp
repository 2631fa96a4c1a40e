#include "model/scan/AirportCheck.h"

#include "model/format/CountText.h"
#include "model/library/FileNameCase.h"
#include "model/library/HostFolders.h"
#include "model/scan/BglAirports.h"
#include "model/scan/SceneryFiles.h"

#include <algorithm>
#include <map>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The name that starts at text[at] and runs to the next separator.
std::string_view NameAt(std::string_view text, std::size_t at) {
    return text.substr(at, text.find_first_of("/\\", at) - at);
}

// The part of path after folder and a separator, each name compared as Windows compares file names
// (it spells one folder in many ways); nullptr when the path does not lie inside the folder.
const char* Below(const std::string& path, std::string folder) {
    while (!folder.empty() && IsSeparator(folder.back()))
        folder.pop_back();
    if (folder.empty())
        return nullptr;
    std::size_t inPath = 0;
    for (std::size_t inFolder = 0; inFolder <= folder.size();) {
        const std::string_view wanted = NameAt(folder, inFolder);
        const std::string_view found = NameAt(path, inPath);
        inPath += found.size();
        if (inPath == path.size() || !SameFileName(wanted, found))
            return nullptr;
        inFolder += wanted.size() + 1;
        ++inPath;
    }
    return path.c_str() + inPath;
}

// The folder itself or one inside it; a trailing separator makes the folder itself lie below it.
bool InsideOrSame(const std::string& path, const std::string& folder) {
    return Below(path + '/', folder) != nullptr;
}

// One spelling for every way of writing the folder: letter case, separators, a trailing separator.
std::string FolderKey(const std::string& folder) {
    std::string key = FileNameKey(folder);
    std::replace(key.begin(), key.end(), '\\', '/');
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key;
}

std::string ShownPath(const std::string& path, const std::string& hostFolder) {
    const char* below = Below(path, hostFolder);
    if (!below)
        return path;
    std::string shown = below;
    std::replace(shown.begin(), shown.end(), '/', '\\');
    return shown;
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

// Reads the area's files into it, and notes those that cannot be read or are made for another
// simulator.
void ReadArea(TScannedArea& area, const std::string& folder, const std::string& hostFolder,
              const TSceneryFiles& files, TAirportCheck& check) {
    for (const std::string& path : files.BglFiles(folder)) {
        ++check.Files;
        const std::unique_ptr<TByteSource> bytes = files.Open(path);
        TBglAirports read =
            bytes ? ReadBglAirports(*bytes)
                  : TBglAirports{TBglAirports::TState::Unreadable, {}, 0, "could not be opened"};
        if (read.State == TBglAirports::TState::Unreadable)
            check.Unreadable.push_back({area.Position, ShownPath(path, hostFolder), read.Reason});
        else if (read.MadeForLater())
            check.Later.push_back({area.Position, ShownPath(path, hostFolder), {}});
        else if (!read.Idents.empty())
            area.Files.push_back({ShownPath(path, hostFolder), std::move(read.Idents)});
    }
}

void Group(TAirportCheck& check) {
    TAirportGrouping grouping = FindAirportClashes(check.Scanned);
    check.Clashes = std::move(grouping.Clashes);
    check.Twice = std::move(grouping.Twice);
    check.Airports = grouping.Airports;
}

} // namespace

TAirportCheck CheckAirports(const std::vector<const TArea*>& areas, const std::string& hostFolder,
                            const THostFolders& folders, const TSceneryFiles& files,
                            const TAirportProgress& progress) {
    const std::vector<TAreaToRead> toRead = AddOnAreas(areas, hostFolder, folders);
    TAirportCheck check;
    // A folder listed again is not read again: the grouping keeps only one of its listings.
    std::map<std::string, std::size_t> readFolders;
    for (const TAreaToRead& area : toRead) {
        if (!progress(static_cast<int>(check.Scanned.size()), static_cast<int>(toRead.size()), *area.Area)) {
            check.Cancelled = true;
            return check;
        }
        const std::string key = FolderKey(area.Folder);
        const auto [found, added] = readFolders.try_emplace(key, check.Scanned.size());
        check.Scanned.push_back({area.Position, area.Area->Layer, {}, key});
        if (added)
            ReadArea(check.Scanned.back(), area.Folder, hostFolder, files, check);
        else
            check.Scanned.back().Files = check.Scanned[found->second].Files;
    }
    Group(check);
    return check;
}

TAirportCheck Rechecked(const TAirportCheck& check, const std::vector<int>& order,
                        const std::vector<const TArea*>& areas) {
    std::vector<int> moved(order.size());
    for (std::size_t now = 0; now < order.size(); ++now)
        moved[static_cast<std::size_t>(order[now])] = static_cast<int>(now);
    TAirportCheck again = check;
    for (TScannedArea& area : again.Scanned) {
        area.Position = moved[static_cast<std::size_t>(area.Position)];
        area.Layer = areas[static_cast<std::size_t>(area.Position)]->Layer;
    }
    for (std::vector<TCheckedFile>* notes : {&again.Later, &again.Unreadable}) {
        for (TCheckedFile& file : *notes)
            file.Position = moved[static_cast<std::size_t>(file.Position)];
        std::stable_sort(notes->begin(), notes->end(), [](const TCheckedFile& a, const TCheckedFile& b) {
            return a.Position < b.Position;
        });
    }
    Group(again);
    return again;
}

std::string AirportCheckSummary(const TAirportCheck& check) {
    std::string text = Counted(static_cast<std::size_t>(check.Airports), "airport", "airports") + " in " +
                       Counted(static_cast<std::size_t>(check.Files), "file", "files") + " checked";
    if (!check.Unreadable.empty())
        text += ", " + std::to_string(check.Unreadable.size()) + " unreadable";
    if (!check.Later.empty())
        text += ", " + std::to_string(check.Later.size()) + " made for a later simulator";
    return text + ".";
}
