#include "SelectionFlags.h"
#include "model/document/DocumentCommands.h"

#include <gtest/gtest.h>

namespace {

// Areas T0, T1, ... numbered and layered 1, 2, ...
TSceneryDocument Doc(int count) {
    TSceneryDocument document;
    for (int i = 0; i < count; ++i) {
        TArea area;
        area.Title = "T" + std::to_string(i);
        area.Number = area.Layer = i + 1;
        document.Areas.push_back(NewEntry(area));
    }
    return document;
}

// Each area as "title number/layer"; "none" when the command gives no step.
std::vector<std::string> Rows(const std::optional<TDocumentStep>& step) {
    if (!step)
        return {"none"};
    std::vector<std::string> rows;
    for (const TDocumentArea& entry : step->Document.Areas)
        rows.push_back(entry.Area->Title + " " + std::to_string(entry.Area->Number) + "/" +
                       std::to_string(entry.Area->Layer));
    return rows;
}

struct TEndCase {
    const char* Name;
    bool Top;
    int Count;
    std::vector<int> Selected;
    // Whether the command is offered.
    bool Enabled;
    std::vector<std::string> Rows;
    std::vector<int> SelectedAfter;
};

class MoveToEnd : public testing::TestWithParam<TEndCase> {};

TEST_P(MoveToEnd, MovesTheEditableSelectedRowsInOneRenumberedStep) {
    const TEndCase& c = GetParam();
    const TSelection selected = Flags(c.Count, c.Selected);
    const std::optional<TDocumentStep> step =
        c.Top ? MoveAreasToTop(Doc(c.Count), selected) : MoveAreasToBottom(Doc(c.Count), selected);
    EXPECT_EQ(Rows(step), c.Rows);
    EXPECT_EQ(CanMoveToEnd(selected), c.Enabled);
    if (!step)
        return;
    EXPECT_EQ(step->Name, c.Top ? "Move to Top" : "Move to Bottom");
    EXPECT_EQ(step->Selected, Flags(c.Count, c.SelectedAfter));
    EXPECT_EQ(step->TouchedBefore, selected);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, MoveToEnd,
    testing::Values(TEndCase{"TopBelowTheProtectedRowsInOrder",
                             true,
                             7,
                             {3, 5, 6},
                             true,
                             {"T0 1/1", "T1 2/2", "T3 3/3", "T5 4/4", "T6 5/5", "T2 6/6", "T4 7/7"},
                             {2, 3, 4}},
                    TEndCase{"TopLeavesSelectedProtectedRowsInPlace",
                             true,
                             5,
                             {0, 4},
                             true,
                             {"T0 1/1", "T1 2/2", "T4 3/3", "T2 4/4", "T3 5/5"},
                             {0, 2}},
                    TEndCase{"BottomAfterTheLastRowInOrder",
                             false,
                             6,
                             {2, 4},
                             true,
                             {"T0 1/1", "T1 2/2", "T3 3/3", "T5 4/4", "T2 5/5", "T4 6/6"},
                             {4, 5}},
                    TEndCase{"BottomNeverMovesProtectedRows",
                             false,
                             4,
                             {1, 2},
                             true,
                             {"T0 1/1", "T1 2/2", "T3 3/3", "T2 4/4"},
                             {1, 3}},
                    TEndCase{"AlreadyAtTheTop", true, 6, {2, 3}, true, {"none"}, {}},
                    TEndCase{"AlreadyAtTheBottom", false, 6, {4, 5}, true, {"none"}, {}},
                    TEndCase{"OnlyProtectedRowsSelected", true, 4, {0, 1}, false, {"none"}, {}},
                    TEndCase{"NothingSelected", false, 4, {}, false, {"none"}, {}}),
    [](const testing::TestParamInfo<TEndCase>& info) { return std::string(info.param.Name); });

} // namespace
