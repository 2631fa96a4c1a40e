#include "model/document/ListRules.h"
#include "SelectionFlags.h"

#include <gtest/gtest.h>

namespace {

struct TChangeCase {
    const char* Name;
    std::function<TListChange()> Change;
    std::vector<int> Order;
    TSelection Selected;
};

class ListChange : public testing::TestWithParam<TChangeCase> {};

TEST_P(ListChange, GivesTheOrderAndSelection) {
    const TListChange change = GetParam().Change();
    EXPECT_EQ(change.Order, GetParam().Order);
    EXPECT_EQ(change.Selected, GetParam().Selected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Commands, ListChange,
    testing::Values(TChangeCase{"UpCarriesABlockAndAGap",
                                [] {
                                    return MoveUp(Flags(9, {4, 5, 7}));
                                },
                                {0, 1, 2, 4, 5, 3, 7, 6, 8},
                                Flags(9, {3, 4, 6})},
                    TChangeCase{"UpNeverMovesRowZero",
                                [] {
                                    return MoveUp(Flags(3, {0, 1}));
                                },
                                {1, 0, 2},
                                Flags(3, {0})},
                    TChangeCase{"DownCarriesABlock",
                                [] {
                                    return MoveDown(Flags(6, {1, 2, 4}));
                                },
                                {0, 3, 1, 2, 5, 4},
                                Flags(6, {2, 3, 5})},
                    TChangeCase{"DownKeepsTheLastRow",
                                [] {
                                    return MoveDown(Flags(3, {1, 2}));
                                },
                                {0, 2, 1},
                                Flags(3, {2})},
                    TChangeCase{"DownOnOneRow", [] { return MoveDown(Flags(1, {0})); }, {0}, Flags(1, {0})},
                    TChangeCase{"BelowARowFurtherDown", [] { return MoveBelow(6, 2, 4, 2); }, {0, 1, 3, 4, 2, 5}, Flags(6, {4})},
                    TChangeCase{"BelowARowFurtherUp", [] { return MoveBelow(6, 5, 2, 2); }, {0, 1, 2, 5, 3, 4}, Flags(6, {3})},
                    TChangeCase{"BelowAProtectedRow", [] { return MoveBelow(4, 3, 0, 2); }, {0, 1, 3, 2}, Flags(4, {2})},
                    TChangeCase{"DropAboveTheTarget",
                                [] {
                                    return Drop(Flags(12, {6, 9}), 3);
                                },
                                {0, 1, 2, 6, 9, 3, 4, 5, 7, 8, 10, 11},
                                Flags(12, {})},
                    TChangeCase{"DropPastTheEnd",
                                [] {
                                    return Drop(Flags(6, {2, 4}), -1);
                                },
                                {0, 1, 3, 5, 2, 4},
                                Flags(6, {})}),
    [](const testing::TestParamInfo<TChangeCase>& info) { return std::string(info.param.Name); });
// clang-format on

struct TDropCase {
    const char* Name;
    TSelection Selected;
    int Target;
    bool Allowed;
};

class DropRule : public testing::TestWithParam<TDropCase> {};

TEST_P(DropRule, KeepsTheProtectedRowsAndTheDraggedOnesOut) {
    EXPECT_EQ(DropAllowed(GetParam().Selected, GetParam().Target, 2), GetParam().Allowed);
}

INSTANTIATE_TEST_SUITE_P(Targets, DropRule,
                         testing::Values(TDropCase{"AboveAnotherRow", Flags(6, {4}), 3, true},
                                         TDropCase{"AboveTheFirstEditableRow", Flags(6, {4, 5}), 2, true},
                                         TDropCase{"PastTheEnd", Flags(6, {2}), -1, true},
                                         TDropCase{"OntoAProtectedRow", Flags(6, {4}), 1, false},
                                         TDropCase{"OntoADraggedRow", Flags(6, {3, 4}), 4, false},
                                         TDropCase{"DraggingAProtectedRow", Flags(6, {1, 4}), 5, false},
                                         TDropCase{"DraggingRowZeroPastTheEnd", Flags(6, {0}), -1, false}),
                         [](const testing::TestParamInfo<TDropCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST(ClipboardRules, TakeBottomUpAndPasteAtTheFirstSelected) {
    EXPECT_EQ(SelectedBottomUp(Flags(8, {3, 4, 6})), (std::vector<int>{6, 4, 3}));
    EXPECT_EQ(SelectedBottomUp(Flags(8, {})), std::vector<int>{});
    EXPECT_EQ(FirstSelected(Flags(8, {5, 2})), 2);
    EXPECT_EQ(FirstSelected(Flags(8, {})), -1);
}

// Export writes top down; Import goes above the one selected row or after the last.
TEST(AreaSetRules, ExportTopDownAndImportPosition) {
    EXPECT_EQ(SelectedTopDown(Flags(12, {9, 4})), (std::vector<int>{4, 9}));
    EXPECT_EQ(SelectedTopDown(Flags(3, {})), std::vector<int>{});
    EXPECT_EQ(ImportPosition(Flags(10, {6}), TInsertPlace::BeforeSelected), 6);
    EXPECT_EQ(ImportPosition(Flags(10, {2, 6}), TInsertPlace::BeforeSelected), -1);
    EXPECT_EQ(ImportPosition(Flags(10, {}), TInsertPlace::BeforeSelected), -1);
    EXPECT_EQ(ImportPosition(Flags(10, {}), TInsertPlace::AtEnd), 10);
    EXPECT_EQ(ImportPosition(Flags(10, {2, 6}), TInsertPlace::AtEnd), 10);
    EXPECT_EQ(ImportPosition(Flags(0, {}), TInsertPlace::AtEnd), 0);
}

} // namespace
