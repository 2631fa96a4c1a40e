#include "model/scan/AirportCheck.h"
#include "model/library/HostFolders.h"
#include "model/scan/SceneryFiles.h"
#include "support/BglBuilder.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Local Paths below /fs9/ as the host finds them, with '/' for '\'; every folder exists.
class TFakeCheck : public TFolderCheck {
public:
    TFolderFound Resolve(const std::string& localPath) override {
        std::string path = "/fs9/" + localPath;
        for (char& c : path)
            c = c == '\\' ? '/' : c;
        return {path, true};
    }
};

class TFakeFolders : public THostFolders {
public:
    std::unique_ptr<TFolderCheck> StartCheck(const std::string&) const override {
        return std::make_unique<TFakeCheck>();
    }
    std::optional<std::string> FolderText(const std::string&, const std::string&) const override {
        return {};
    }
    std::vector<std::string> FindSceneryFolders(const std::string&) const override { return {}; }
    bool HoldsSceneryFolder(const std::string&) const override { return false; }
};

// Each area folder's scenery files by name.
class TFakeSceneryFiles : public TSceneryFiles {
public:
    std::vector<std::string> BglFiles(const std::string& areaFolder) const override {
        std::vector<std::string> paths;
        for (const auto& [path, bytes] : Files)
            if (path.rfind(areaFolder + "/scenery/", 0) == 0)
                paths.push_back(path);
        return paths;
    }
    // A file whose bytes are "?" cannot be opened.
    std::unique_ptr<TByteSource> Open(const std::string& path) const override {
        if (Files.at(path) == "?")
            return nullptr;
        return std::make_unique<TMemoryBytes>(Files.at(path));
    }
    std::map<std::string, std::string> Files;
};

TArea Area(const std::string& local, int layer, bool active = true) {
    TArea area;
    area.Local = local;
    area.Layer = layer;
    area.Active = active;
    return area;
}

struct TCheckCase {
    const char* Name;
    std::vector<TArea> Areas;
    std::map<std::string, std::string> Files;
    // Each clash as "ICAO positions: files", then each folder listed twice, each file made for a
    // later simulator and each unreadable one.
    std::vector<std::string> Clashes;
    std::string Summary;
    // Windows writes the host folder with backslashes; its files come listed with slashes.
    std::string Host = "/fs9/";
};

class CheckingAirports : public testing::TestWithParam<TCheckCase> {};

TEST_P(CheckingAirports, ReadsTheActiveAddOnAreas) {
    TFakeSceneryFiles files;
    files.Files = GetParam().Files;
    std::vector<const TArea*> areas;
    for (const TArea& area : GetParam().Areas)
        areas.push_back(&area);
    const TAirportCheck check = CheckAirports(areas, GetParam().Host, TFakeFolders(), files,
                                              [](int, int, const TArea&) { return true; });
    std::vector<std::string> clashes;
    for (const TAirportClash& clash : check.Clashes) {
        std::string text = clash.Icao + " " + std::to_string(clash.Positions.front()) + ":";
        for (const TClashFile& file : clash.Files)
            text += " " + file.Path;
        clashes.push_back(text);
    }
    for (const TListedTwice& twice : check.Twice)
        clashes.push_back("twice " + std::to_string(twice.Higher) + ">" + std::to_string(twice.Lower));
    for (const TCheckedFile& file : check.Later)
        clashes.push_back("later " + std::to_string(file.Position) + " " + file.Path);
    for (const TCheckedFile& file : check.Unreadable)
        clashes.push_back("unreadable " + std::to_string(file.Position) + " " + file.Path + ": " +
                          file.Reason);
    EXPECT_EQ(clashes, GetParam().Clashes);
    EXPECT_EQ(AirportCheckSummary(check), GetParam().Summary);
}

const std::string Ksea = bgl::AirportFile({"KSEA"});

// clang-format off
const TCheckCase CheckCases[] = {
    {"PathsBelowTheHostFolder", {Area("Addon Scenery\\A", 10), Area("Addon Scenery\\B", 20)}, {{"/fs9/Addon Scenery/A/scenery/AF2_KSEA.bgl", Ksea}, {"/fs9/Addon Scenery/B/scenery/KSEA.bgl", Ksea}}, {"KSEA 1: Addon Scenery\\B\\scenery\\KSEA.bgl Addon Scenery\\A\\scenery\\AF2_KSEA.bgl"}, "1 airport in 2 files checked."},
    {"HostFolderWithBackslashes", {Area("Addon Scenery\\A", 10), Area("Addon Scenery\\B", 20)}, {{"/fs9/Addon Scenery/A/scenery/AF2_KSEA.bgl", Ksea}, {"/fs9/Addon Scenery/B/scenery/KSEA.bgl", Ksea}}, {"KSEA 1: Addon Scenery\\B\\scenery\\KSEA.bgl Addon Scenery\\A\\scenery\\AF2_KSEA.bgl"}, "1 airport in 2 files checked.", "\\fs9\\"},
    {"TheSimulatorsOwnAreasAreNotRead", {Area("Scenery\\Base", 1), Area("SCENERY\\Namw", 2), Area("scenery", 3), Area("Addon Scenery\\A", 4)}, {{"/fs9/Scenery/Base/scenery/x.bgl", Ksea}, {"/fs9/scenery/scenery/z.bgl", Ksea}, {"/fs9/SCENERY/Namw/scenery/y.bgl", Ksea}, {"/fs9/Addon Scenery/A/scenery/a.bgl", Ksea}}, {}, "1 airport in 1 file checked."},
    {"InactiveAreasAreNotRead", {Area("A", 1), Area("B", 2, false)}, {{"/fs9/A/scenery/a.bgl", Ksea}, {"/fs9/B/scenery/b.bgl", Ksea}}, {}, "1 airport in 1 file checked."},
    {"UnreadableAndOlderFilesAreCounted", {Area("A", 1), Area("Sceneryx", 2)}, {{"/fs9/A/scenery/a.bgl", bgl::AirportFile({"KSEA", "KBFI"})}, {"/fs9/A/scenery/cut.bgl", Ksea.substr(0, 70)}, {"/fs9/A/scenery/locked.bgl", "?"}, {"/fs9/A/scenery/old.bgl", std::string(100, '\x01')}, {"/fs9/Sceneryx/scenery/b.bgl", Ksea}}, {"KSEA 1: Sceneryx\\scenery\\b.bgl A\\scenery\\a.bgl", "unreadable 0 A\\scenery\\cut.bgl: cut short or pointing outside itself", "unreadable 0 A\\scenery\\locked.bgl: could not be opened"}, "2 airports in 5 files checked, 2 unreadable."},
    {"OneFolderListedTwiceAndALaterFile", {Area("A", 5), Area("B", 1), Area("a\\", 3)}, {{"/fs9/A/scenery/a.bgl", Ksea}, {"/fs9/A/scenery/fsx.bgl", bgl::File({{bgl::AirportSection, false, {{{bgl::Airport("KBFI", bgl::FsxAirport)}}}}})}, {"/fs9/B/scenery/b.bgl", Ksea}}, {"KSEA 0: A\\scenery\\a.bgl B\\scenery\\b.bgl", "twice 0>2", "later 0 A\\scenery\\fsx.bgl"}, "1 airport in 3 files checked, 1 made for a later simulator."},
    {"NothingToRead", {}, {}, {}, "0 airports in 0 files checked."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Libraries, CheckingAirports, testing::ValuesIn(CheckCases), CaseName);

TEST(CheckingAirportsCancelled, StopsWithoutAResult) {
    const TArea area = Area("A", 1);
    TFakeSceneryFiles files;
    files.Files = {{"/fs9/A/scenery/a.bgl", Ksea}};
    const TAirportCheck check = CheckAirports({&area, &area}, "/fs9/", TFakeFolders(), files,
                                              [](int done, int, const TArea&) { return done < 1; });
    EXPECT_TRUE(check.Cancelled);
    EXPECT_TRUE(check.Clashes.empty());
}

} // namespace
