#include "model/document/ListRules.h"
#include "SelectionFlags.h"
#include "support/CaseName.h"

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
const TChangeCase ChangeCases[] = {
    {"UpCarriesABlockAndAGap", [] { return MoveUp(Flags(9, {4, 5, 7})); }, {0, 1, 2, 4, 5, 3, 7, 6, 8}, Flags(9, {3, 4, 6})},
    {"UpNeverMovesRowZero", [] { return MoveUp(Flags(3, {0, 1})); }, {1, 0, 2}, Flags(3, {0})},
    {"DownCarriesABlock", [] { return MoveDown(Flags(6, {1, 2, 4})); }, {0, 3, 1, 2, 5, 4}, Flags(6, {2, 3, 5})},
    {"DownKeepsTheLastRow", [] { return MoveDown(Flags(3, {1, 2})); }, {0, 2, 1}, Flags(3, {2})},
    {"DownOnOneRow", [] { return MoveDown(Flags(1, {0})); }, {0}, Flags(1, {0})},
    {"BelowARowFurtherDown", [] { return MoveBelow(6, 2, 4, 2); }, {0, 1, 3, 4, 2, 5}, Flags(6, {4})},
    {"BelowARowFurtherUp", [] { return MoveBelow(6, 5, 2, 2); }, {0, 1, 2, 5, 3, 4}, Flags(6, {3})},
    {"BelowAProtectedRow", [] { return MoveBelow(4, 3, 0, 2); }, {0, 1, 3, 2}, Flags(4, {2})},
    {"DropAboveTheTarget", [] { return Drop(Flags(12, {6, 9}), 3); }, {0, 1, 2, 6, 9, 3, 4, 5, 7, 8, 10, 11}, Flags(12, {})},
    {"DropPastTheEnd", [] { return Drop(Flags(6, {2, 4}), -1); }, {0, 1, 3, 5, 2, 4}, Flags(6, {})},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Commands, ListChange, testing::ValuesIn(ChangeCases), CaseName);

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

const TDropCase DropCases[] = {
    {"AboveAnotherRow", Flags(6, {4}), 3, true},
    {"AboveTheFirstEditableRow", Flags(6, {4, 5}), 2, true},
    {"PastTheEnd", Flags(6, {2}), -1, true},
    {"OntoAProtectedRow", Flags(6, {4}), 1, false},
    {"OntoADraggedRow", Flags(6, {3, 4}), 4, false},
    {"DraggingAProtectedRow", Flags(6, {1, 4}), 5, false},
    {"DraggingRowZeroPastTheEnd", Flags(6, {0}), -1, false},
};

INSTANTIATE_TEST_SUITE_P(Targets, DropRule, testing::ValuesIn(DropCases), CaseName);

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
