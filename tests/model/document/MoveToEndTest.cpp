#include "SelectionFlags.h"
#include "model/document/DocumentCommands.h"
#include "support/CaseName.h"
#include "support/DocumentBuilder.h"

#include <gtest/gtest.h>

namespace {

// The titles in list order, or "none" when the command gives no step; a row whose number or layer is
// not its position shows as "?".
std::string Order(const std::optional<TDocumentStep>& step) {
    if (!step)
        return "none";
    std::string order;
    for (int p = 0; p < step->Document.Count(); ++p) {
        const TArea& area = step->Document.Area(p);
        order += (p ? " " : "") + (area.Number == p + 1 && area.Layer == p + 1 ? area.Title : "?");
    }
    return order;
}

struct TEndCase {
    const char* Name;
    bool Top;
    int Count;
    std::vector<int> Selected;
    // Whether the command is offered.
    bool Enabled;
    const char* Order;
    std::vector<int> SelectedAfter;
};

class MoveToEnd : public testing::TestWithParam<TEndCase> {};

TEST_P(MoveToEnd, MovesTheEditableSelectedRowsInOneRenumberedStep) {
    const TEndCase& c = GetParam();
    const TSelection selected = Flags(c.Count, c.Selected);
    const std::optional<TDocumentStep> step =
        c.Top ? MoveAreasToTop(Doc(c.Count), selected) : MoveAreasToBottom(Doc(c.Count), selected);
    EXPECT_EQ(Order(step), c.Order);
    EXPECT_EQ(CanMoveToEnd(selected), c.Enabled);
    if (!step)
        return;
    EXPECT_EQ(step->Name, c.Top ? "Move to Top" : "Move to Bottom");
    EXPECT_EQ(step->Selected, Flags(c.Count, c.SelectedAfter));
    EXPECT_EQ(step->TouchedBefore, selected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Ends, MoveToEnd,
    testing::Values(
        TEndCase{"TopBelowTheProtectedRowsInOrder", true, 7, {3, 5, 6}, true, "T0 T1 T3 T5 T6 T2 T4", {2, 3, 4}},
        TEndCase{"TopLeavesSelectedProtectedRowsInPlace", true, 5, {0, 4}, true, "T0 T1 T4 T2 T3", {0, 2}},
        TEndCase{"BottomAfterTheLastRowInOrder", false, 6, {2, 4}, true, "T0 T1 T3 T5 T2 T4", {4, 5}},
        TEndCase{"BottomNeverMovesProtectedRows", false, 4, {1, 2}, true, "T0 T1 T3 T2", {1, 3}},
        TEndCase{"AlreadyAtTheTop", true, 6, {2, 3}, true, "none", {}},
        TEndCase{"AlreadyAtTheBottom", false, 6, {4, 5}, true, "none", {}},
        TEndCase{"OnlyProtectedRowsSelected", true, 4, {0, 1}, false, "none", {}},
        TEndCase{"NothingSelected", false, 4, {}, false, "none", {}}),
    CaseName);
// clang-format on

} // namespace
