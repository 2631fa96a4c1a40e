#include "model/document/LibraryDifference.h"
#include "model/library/ConfigurationFile.h"
#include "model/library/HostFolders.h"
#include "model/library/RestorePoints.h"
#include "platform/SystemFileAccess.h"
#include "support/CaseName.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A library written as "Title@Local=Resolved!*#7" per area: '@' gives the Local Path (resolved below "/h/"
// unless '=' says where), '!' makes it inactive, '*' required, '#' sets number and layer.
struct TSide {
    TSceneryDocument Document;
    std::vector<std::string> Folders;
};

TSide Library(const std::vector<std::string>& texts, const std::string& generalTitle = "W") {
    TSide side;
    side.Document.General.Title = generalTitle;
    int position = 0;
    for (std::string text : texts) {
        TArea area;
        // What a section without a Texture ID reads as, so that a kept point reads back the same.
        area.TextureId = -9999;
        area.Number = area.Layer = ++position;
        if (const auto hash = text.find('#'); hash != std::string::npos) {
            area.Number = area.Layer = std::stoi(text.substr(hash + 1));
            text.erase(hash);
        }
        if (!text.empty() && text.back() == '*') {
            area.Required = true;
            text.pop_back();
        }
        if (!text.empty() && text.back() == '!') {
            area.Active = false;
            text.pop_back();
        }
        std::string folder;
        if (const auto at = text.find('@'); at != std::string::npos) {
            area.Local = text.substr(at + 1);
            text.erase(at);
            const auto equals = area.Local.find('=');
            folder = equals == std::string::npos ? "/h/" + area.Local : area.Local.substr(equals + 1);
            area.Local = area.Local.substr(0, equals);
        }
        area.Title = text;
        side.Document.Areas.push_back(NewEntry(area));
        side.Folders.push_back(folder);
    }
    return side;
}

// "+B 0>3" added, "-C 2>0" removed, "~A 1>4 moved Title" kept: kind, title, positions, what differs.
std::vector<std::string> Lines(const TLibraryDifference& difference) {
    std::vector<std::string> lines;
    for (const char* field : difference.GeneralChanged)
        lines.push_back(std::string("[General] ") + field);
    for (const TAreaDifference& area : difference.Areas) {
        const char kind = area.Kind == TAreaDifference::TKind::Added     ? '+'
                          : area.Kind == TAreaDifference::TKind::Removed ? '-'
                                                                         : '~';
        std::string line =
            kind + area.Title + " " + std::to_string(area.Now) + ">" + std::to_string(area.Other);
        if (area.Moved)
            line += " moved";
        for (const char* flag : area.Flags)
            line += std::string(" ") + flag;
        for (const char* field : area.Changed)
            line += std::string(" ") + field;
        lines.push_back(line);
    }
    return lines;
}

// Every Local Path below "/h/", as Library() resolves it without '='.
class THostBelowH : public TFolderCheck {
public:
    TFolderFound Resolve(const std::string& localPath) override { return {"/h/" + localPath, true}; }
};

// The other side kept as a restore point, read back and compared as the list of points does.
TLibraryDifference ReviewedAsPoint(const TSide& now, const TSide& other) {
    const QTemporaryDir folder;
    const std::string file = folder.path().toStdString() + "/point.cfg";
    const TSystemFileAccess files;
    WriteConfiguration(files, file, &other.Document.General, other.Document.AreaPointers());
    THostBelowH check;
    return ReviewRestorePoints({{file, "", false}}, files, now.Document, check).at(0).Difference;
}

struct TDifferenceCase {
    const char* Name;
    std::vector<std::string> Now;
    std::vector<std::string> Other;
    // Added, removed, moved, changed.
    std::array<int, 4> Counts;
    std::vector<std::string> Lines;
    std::string OtherGeneralTitle = "W";
    bool AsRestorePoint = false;
};

class LibraryDifference : public testing::TestWithParam<TDifferenceCase> {};

TEST_P(LibraryDifference, SaysWhatBringingTheOtherBackWouldDo) {
    const TDifferenceCase& c = GetParam();
    const TSide now = Library(c.Now);
    const TSide other = Library(c.Other, c.OtherGeneralTitle);
    const TLibraryDifference difference =
        c.AsRestorePoint ? ReviewedAsPoint(now, other)
                         : CompareLibraries({now.Document, now.Folders}, {other.Document, other.Folders});
    EXPECT_EQ(
        (std::array<int, 4>{difference.Added, difference.Removed, difference.Moved, difference.Changed}),
        c.Counts);
    EXPECT_EQ(Lines(difference), c.Lines);
    EXPECT_EQ(difference.Same(), c.Lines.empty());
}

// clang-format off
const TDifferenceCase DifferenceCases[] = {
    {"Same", {"A@a", "B@b", "C@c"}, {"A@a", "B@b", "C@c"}, {0, 0, 0, 0}, {}},
    {"NumberAndLayerDoNotCount", {"A@a#3", "B@b#10"}, {"A@a", "B@b"}, {0, 0, 0, 0}, {}},
    {"AddedAndRemoved", {"A@a", "B@b", "C@c"}, {"A@a", "C@c", "D@d"}, {1, 1, 0, 0}, {"+D 0>3", "-B 2>0"}},
    {"OneTakenToTheEndIsOneMove", {"A@a", "B@b", "C@c", "D@d"}, {"B@b", "C@c", "D@d", "A@a"}, {0, 0, 1, 0}, {"~A 1>4 moved"}},
    // Three reversed: two have to be taken out and put back.
    {"ReversedIsTwoMoves", {"A@a", "B@b", "C@c"}, {"C@c", "B@b", "A@a"}, {0, 0, 2, 0}, {"~B 2>2 moved", "~A 1>3 moved"}},
    {"RemovalShiftsNoOneIntoAMove", {"A@a", "X@x", "B@b", "C@c"}, {"A@a", "B@b", "C@c"}, {0, 1, 0, 0}, {"-X 2>0"}},
    // The folder check gives one folder for a relative path and an absolute one in other letters.
    {"SameFolderInAnotherSpelling", {"A@Addon\\X=/h/Addon/X"}, {"A renamed@C:\\h\\addon\\x=/h/addon/X"}, {0, 0, 0, 1}, {"~A 1>1 Title Local Path"}},
    // Matched by folder first: the titles swapped places, the areas did not.
    {"FolderBeforeTitle", {"A@x", "B@y"}, {"B@x", "A@y"}, {0, 0, 0, 2}, {"~A 1>1 Title", "~B 2>2 Title"}},
    {"TitleWhereTheFolderDiffers", {"A@old", "B@b"}, {"A@new", "B@b"}, {0, 0, 0, 1}, {"~A 1>1 Local Path"}},
    {"NoFolderMatchesByTitle", {"A", "B"}, {"B", "A"}, {0, 0, 1, 0}, {"~A 1>2 moved"}},
    {"EqualTitlesPairInListOrder", {"T", "T"}, {"T"}, {0, 1, 0, 0}, {"-T 2>0"}},
    {"EqualTitlesOnBothSidesStayInPlace", {"T", "T"}, {"T", "T"}, {0, 0, 0, 0}, {}},
    {"MovedAndChanged", {"A@a", "B@b", "C@c"}, {"B@b", "C@c", "A@a!"}, {0, 0, 1, 1}, {"~A 1>3 moved switched off"}},
    {"FlagsSayTheStateTheyGoTo", {"A@a!", "B@b", "C@c*", "D@d", "E@e"}, {"A@a", "B@b!", "C@c", "D@d*", "E@e!*"}, {0, 0, 0, 5}, {"~A 1>1 switched on", "~B 2>2 switched off", "~C 3>3 no longer required", "~D 4>4 now required", "~E 5>5 switched off now required"}},
    {"RestorePointIsWhatComesBack", {"A@a", "B@b!"}, {"A@a", "C@c", "B@b"}, {1, 0, 0, 1}, {"+C 0>2", "~B 2>3 switched on"}, "W", true},
    {"GeneralOnly", {"A@a"}, {"A@a"}, {0, 0, 0, 0}, {"[General] Title"}, "Other"},
    {"FromNothing", {}, {"A@a", "B"}, {2, 0, 0, 0}, {"+A 0>1", "+B 0>2"}},
    {"ToNothing", {"A@a"}, {}, {0, 1, 0, 0}, {"-A 1>0"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, LibraryDifference, testing::ValuesIn(DifferenceCases), CaseName);

} // namespace
