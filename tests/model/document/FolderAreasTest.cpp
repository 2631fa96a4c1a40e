#include "model/document/FolderAreas.h"
#include "SelectionFlags.h"
#include "support/CaseName.h"
#include "support/DocumentBuilder.h"

#include <gtest/gtest.h>

namespace {

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
    const TFolderAdding adding = AddFolderAreas(Doc(4, {}, 10), c.Selected, c.Folders,
                                                {"/fs9/Scenery/World", "/fs9/Addon Scenery/Alps"});
    EXPECT_EQ(Shown(adding.Step.Document), c.Rows);
    EXPECT_EQ(adding.Step.Selected, c.SelectedAfter);
    EXPECT_EQ(adding.Step.TouchedAfter, c.SelectedAfter);
    EXPECT_EQ(adding.Added, c.Added);
    EXPECT_EQ(adding.AlreadyListed, c.Listed);
}

// clang-format off
const TAddCase AddCases[] = {
    {"AboveTheOneSelectedRowInPathOrder", Flags(4, {2}), {Folder("lakes"), Folder("Kosh")}, {"T0  1/10", "T1  2/20", "Kosh Addon Scenery\\Kosh 5/41", "lakes Addon Scenery\\lakes 6/42", "T2  3/30", "T3  4/40"}, Flags(6, {2, 3}), 2, 0},
    {"AtTheEndForTwoSelectedRows", Flags(4, {2, 3}), {Folder("Kosh")}, {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"}, Flags(5, {4}), 1, 0},
    {"AtTheEndForAProtectedRow", Flags(4, {1}), {Folder("Kosh")}, {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"}, Flags(5, {4}), 1, 0},
    {"ListedInAnyCaseAndTwiceChosenOnce", Flags(4, {}), {Folder("ALPS"), Folder("Kosh"), Folder("KOSH")}, {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "Kosh Addon Scenery\\Kosh 5/41"}, Flags(5, {4}), 1, 2},
    {"NothingNew", Flags(4, {3}), {Folder("alps")}, {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40"}, Flags(4, {}), 0, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Places, AddingFolders, testing::ValuesIn(AddCases), CaseName);

struct TSwitchCase {
    const char* Name;
    bool Active;
    std::vector<std::string> Rows;
    int RequiredKept;
};

class SwitchingAreas : public testing::TestWithParam<TSwitchCase> {};

// Rows 1 to 5 of six selected, row 3 required: the protected row 1 is never switched.
TEST_P(SwitchingAreas, SetsEverySelectedEditableRowButKeepsRequiredActive) {
    TSceneryDocument document = Doc(6, {3}, 10);
    if (GetParam().Active)
        document = SetActive(document, Flags(6, {2, 4, 5}), false).Step.Document;
    const TActivation activation = SetActive(document, Flags(6, {1, 2, 3, 4, 5}), GetParam().Active);
    EXPECT_EQ(Shown(activation.Step.Document), GetParam().Rows);
    EXPECT_EQ(activation.RequiredKept, GetParam().RequiredKept);
    EXPECT_EQ(activation.Step.Name, GetParam().Active ? "Activate" : "Deactivate");
}

const TSwitchCase SwitchCases[] = {
    {"Deactivate", false, {"T0  1/10", "T1  2/20", "T2  3/30 -", "T3  4/40", "T4  5/50 -", "T5  6/60 -"}, 1},
    {"Activate", true, {"T0  1/10", "T1  2/20", "T2  3/30", "T3  4/40", "T4  5/50", "T5  6/60"}, 0},
};

INSTANTIATE_TEST_SUITE_P(Switches, SwitchingAreas, testing::ValuesIn(SwitchCases), CaseName);

} // namespace
