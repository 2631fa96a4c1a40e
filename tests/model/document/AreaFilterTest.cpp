#include "model/document/AreaFilter.h"
#include "SelectionFlags.h"
#include "platform/AnsiCodec.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

// Row 0 and 1 the host's, then add-ons: inactive 3, required 4, a missing folder in rows 2 and 5. The
// sections are numbered in row order, so rows 4 and 5 show a layer ("No.") other than their number.
TSceneryDocument Library() {
    const struct {
        const char* Title;
        const char* Local;
        const char* Remote;
        int Layer;
        bool Active;
        bool Required;
    } rows[] = {
        {"Default Terrain", "Scenery\\World", "", 1, true, true},
        {"Propeller Objects", "Scenery\\Props", "", 2, true, false},
        {"SimWings KSEA Seattle", "Addon Scenery\\KSEA", "", 3, true, false},
        {"Z\xFCrich LSZH", "Addon Scenery\\LSZH", "D:\\Remote\\Seattle", 4, false, false},
        {"Mesh 12", "Addon Scenery\\\xC4lpler", "", 12, true, true},
        {"LFPG 3", "Addon Scenery\\LFPG", "", 30, true, false},
    };
    TSceneryDocument document;
    for (const auto& row : rows) {
        TArea area;
        area.Title = row.Title;
        area.Local = row.Local;
        area.Remote = row.Remote;
        area.Number = document.Count() + 1;
        area.Layer = row.Layer;
        area.Active = row.Active;
        area.Required = row.Required;
        document.Areas.push_back(NewEntry(area));
    }
    return document;
}

const TSelection Missing = Flags(6, {2, 5});

std::vector<int> Positions(const TSelection& flags) {
    std::vector<int> positions;
    for (std::size_t p = 0; p < flags.size(); ++p)
        if (flags[p])
            positions.push_back(static_cast<int>(p));
    return positions;
}

struct TFilterCase {
    const char* Name;
    const char* Text;
    TAreaKind Kind;
    // Rows whose entry a command added or changed.
    std::vector<int> Kept;
    std::vector<int> Selected;
    int Current;
    std::vector<int> Shown;
    std::vector<int> StillSelected;
    int StillCurrent;
};

class FilterRowsTest : public testing::TestWithParam<TFilterCase> {};

TEST_P(FilterRowsTest, ShowsTheMatchesAndKeepsOnlyShownRowsSelected) {
    const TFilterCase& c = GetParam();
    const TSceneryDocument document = Library();
    std::unordered_set<TEntryId> kept;
    for (int row : c.Kept)
        kept.insert(document.Areas[static_cast<std::size_t>(row)].Id);
    const TAreaFilter filter(c.Text, c.Kind, AnsiLetterCase());
    const TFilterView view = FilterRows(document, filter, Missing, kept, Flags(6, c.Selected), c.Current);
    EXPECT_EQ(Positions(view.Shown), c.Shown);
    EXPECT_EQ(view.ShownCount, static_cast<int>(c.Shown.size()));
    EXPECT_EQ(Positions(view.Selected), c.StillSelected);
    EXPECT_EQ(view.Current, c.StillCurrent);
}

const TFilterCase FilterCases[] = {
    {"NoFilterShowsAll", "", TAreaKind::All, {}, {1, 4}, 1, {0, 1, 2, 3, 4, 5}, {1, 4}, 1},
    {"FirstRowStaysCurrentUnselected", "", TAreaKind::All, {}, {}, 0, {0, 1, 2, 3, 4, 5}, {}, 0},
    {"TitleAndRemotePathLetterCaseIgnored", "seATTle", TAreaKind::All, {}, {}, -1, {2, 3}, {}, -1},
    {"LocalPath", "addon scenery\\l", TAreaKind::All, {}, {}, -1, {3, 5}, {}, -1},
    {"CodePageLettersLetterCaseIgnored", "Z\xDCRICH", TAreaKind::All, {}, {}, -1, {3}, {}, -1},
    {"CodePageLettersInTheFolder", "\xE4LPLER", TAreaKind::All, {}, {}, -1, {4}, {}, -1},
    // "3" is row 2's number and part of row 5's title; "30" is only row 5's number, "6" its section's.
    {"NumberIsTheWholeText", "3", TAreaKind::All, {}, {}, -1, {2, 5}, {}, -1},
    {"NumberNotPartOfIt", "30", TAreaKind::All, {}, {}, -1, {5}, {}, -1},
    {"NumberIsNotTheSections", "6", TAreaKind::All, {}, {}, -1, {}, {}, -1},
    {"Active", "", TAreaKind::Active, {}, {}, -1, {0, 1, 2, 4, 5}, {}, -1},
    {"Inactive", "", TAreaKind::Inactive, {}, {}, -1, {3}, {}, -1},
    {"MissingFolder", "", TAreaKind::MissingFolder, {}, {}, -1, {2, 5}, {}, -1},
    {"RequiredAndText", "mesh", TAreaKind::Required, {}, {}, -1, {4}, {}, -1},
    {"TextAndKindBothNeeded", "seattle", TAreaKind::Active, {}, {}, -1, {2}, {}, -1},
    {"NothingMatches", "KJFK", TAreaKind::All, {}, {2}, 2, {}, {}, -1},
    {"KeptRowsStayInSight", "seattle", TAreaKind::All, {5}, {5}, 5, {2, 3, 5}, {5}, 5},
    {"HiddenRowsLeaveTheSelection", "seattle", TAreaKind::All, {}, {1, 3, 4}, 3, {2, 3}, {3}, 3},
    {"HiddenCurrentGoesToTheFirstShownSelected", "a", TAreaKind::Inactive, {}, {1, 2, 3}, 1, {3}, {3}, 3},
    {"ShownCurrentStaysThoughNotFirst", "", TAreaKind::Active, {}, {1, 2, 3}, 2, {0, 1, 2, 4, 5}, {1, 2}, 2},
    {"UnselectedCurrentStaysWhileShown", "seattle", TAreaKind::All, {}, {}, 3, {2, 3}, {}, 3},
};

INSTANTIATE_TEST_SUITE_P(Filters, FilterRowsTest, testing::ValuesIn(FilterCases), CaseName);

TEST(TakenRows, OnlyTheSelectedRowsThatShow) {
    EXPECT_EQ(TakenRows(Flags(6, {1, 2, 5}), Flags(6, {0, 2, 3, 5})), Flags(6, {2, 5}));
    EXPECT_EQ(TakenRows(Flags(0, {}), Flags(0, {})), Flags(0, {}));
}

} // namespace
