#include "model/document/FolderAreas.h"
#include "SelectionFlags.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Areas T0, T1, ... numbered 1, 2, ... and layered 10, 20, ...; the listed ones required.
TSceneryDocument Doc(int count, const std::vector<int>& required = {}) {
    TSceneryDocument document;
    for (int i = 0; i < count; ++i) {
        TArea area;
        area.Title = "T" + std::to_string(i);
        area.Number = i + 1;
        area.Layer = 10 * (i + 1);
        area.Required = std::find(required.begin(), required.end(), i) != required.end();
        document.Areas.push_back(NewEntry(area));
    }
    return document;
}

// Each area as "title local number/layer", with " -" when inactive.
std::vector<std::string> Shown(const TSceneryDocument& document) {
    std::vector<std::string> rows;
    for (const TDocumentArea& entry : document.Areas) {
        const TArea& area = *entry.Area;
        rows.push_back(area.Title + " " + area.Local + " " + std::to_string(area.Number) + "/" +
                       std::to_string(area.Layer) + (area.Active ? "" : " -"));
    }
    return rows;
}

TChosenFolder Folder(const std::string& name) {
    return {name, "Addon Scenery\\" + name, "/fs9/Addon Scenery/" + name};
}

struct TAddCase {
    const char* Name;
    TSelection Selected;
    std::vector<TChosenFolder> Folders;
    std::vector<std::string> Rows;
    TSelection SelectedAfter;
    int Added;
    int Listed;
};

class AddingFolders : public testing::TestWithParam<TAddCase> {};

// The list holds T0 to T3; T3's folder is listed as /fs9/Addon Scenery/Alps.
TEST_P(AddingFolders, PlacesNumbersAndSkipsTheListed) {
    const TAddCase& c = GetParam();
    const TFolderAdding adding = AddFolderAreas(Doc(4), c.Selected, c.Folders, {"/fs9/Scenery/World", "/fs9/Addon Scenery/Alps"});
    EXPECT_EQ(Shown(adding.Step.Document), c.Rows);
    EXPECT_EQ(adding.Step.Selected, c.SelectedAfter);
    EXPECT_EQ(adding.Step.TouchedAfter, c.SelectedAfter);
    EXPECT_EQ(adding.Added, c.Added);
    EXPECT_EQ(adding.AlreadyListed, c.Listed);
}

INSTANTIATE_TEST_SUITE_P(
    Places, AddingFolders,
    testing::Values(
        TAddCase{"AboveTheOneSelectedRowInPathOrder", Flags(4, {2}), {Folder("lakes"), Folder("Kosh")},
                 {"T0  1/10", "T1  2/20", "Kosh Addon Scenery\\Kosh 5/41", "lakes Addon Scenery\\lakes 6/42", "T2  3/30", "T3  4/40"},
                 Flags(6, {2, 3}), 2, 0},
        TAddCase{"AtTheEndForTwoSelectedRows", Flags(4, {2, 3}), {Folder("Kosh")},
                 {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"},
                 Flags(5, {4}), 1, 0},
        TAddCase{"AtTheEndForAProtectedRow", Flags(4, {1}), {Folder("Kosh")},
                 {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"},
                 Flags(5, {4}), 1, 0},
        TAddCase{"ListedInAnyCaseAndTwiceChosenOnce", Flags(4, {}),
                 {Folder("ALPS"), Folder("Kosh"), Folder("KOSH")},
                 {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"},
                 Flags(5, {4}), 1, 2},
        TAddCase{"NothingNew", Flags(4, {3}), {Folder("alps")},
                 {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40"}, Flags(4, {}), 0, 1}),
    [](const testing::TestParamInfo<TAddCase>& info) { return std::string(info.param.Name); });

struct TSwitchCase {
    const char* Name;
    bool Active;
    std::vector<std::string> Rows;
    int RequiredKept;
};

class SwitchingAreas : public testing::TestWithParam<TSwitchCase> {};

// Rows 1 to 5 of six selected, row 3 required: the protected row 1 is never switched.
TEST_P(SwitchingAreas, SetsEverySelectedEditableRowButKeepsRequiredActive) {
    TSceneryDocument document = Doc(6, {3});
    if (GetParam().Active)
        document = SetActive(document, Flags(6, {2, 4, 5}), false).Step.Document;
    const TActivation activation = SetActive(document, Flags(6, {1, 2, 3, 4, 5}), GetParam().Active);
    EXPECT_EQ(Shown(activation.Step.Document), GetParam().Rows);
    EXPECT_EQ(activation.RequiredKept, GetParam().RequiredKept);
    EXPECT_EQ(activation.Step.Name, GetParam().Active ? "Activate" : "Deactivate");
}

INSTANTIATE_TEST_SUITE_P(
    Switches, SwitchingAreas,
    testing::Values(TSwitchCase{"Deactivate", false,
                                {"T0  1/10", "T1  2/20", "T2  3/30 -", "T3  4/40", "T4  5/50 -", "T5  6/60 -"}, 1},
                    TSwitchCase{"Activate", true,
                                {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "T4  5/50", "T5  6/60"}, 0}),
    [](const testing::TestParamInfo<TSwitchCase>& info) { return std::string(info.param.Name); });

} // namespace
