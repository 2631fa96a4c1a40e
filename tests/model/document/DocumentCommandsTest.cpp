#include "model/document/DocumentCommands.h"
#include "SelectionFlags.h"
#include "support/CaseName.h"
#include "support/DocumentBuilder.h"

#include <gtest/gtest.h>

namespace {

// Each area as "title number/layer", with " A" when active and " R" when required.
std::vector<std::string> Shown(const TSceneryDocument& document) {
    std::vector<std::string> rows;
    for (const TDocumentArea& entry : document.Areas) {
        const TArea& area = *entry.Area;
        rows.push_back(area.Title + " " + std::to_string(area.Number) + "/" + std::to_string(area.Layer) +
                       (area.Active ? " A" : "") + (area.Required ? " R" : ""));
    }
    return rows;
}

const auto Off = [](TArea& area) { area.Active = false; };

// Doc(3) numbered 3, 10, 11 in layers 5, 2, 9.
TSceneryDocument Unnumbered() {
    TSceneryDocument document = Doc(3);
    const int numbers[][2] = {{3, 5}, {10, 2}, {11, 9}};
    for (int row = 0; row < 3; ++row)
        document = Changed(document, row, [&numbers, row](TArea& area) {
            area.Number = numbers[row][0];
            area.Layer = numbers[row][1];
        });
    return document;
}

TSceneryDocument Topmost() {
    return Changed(Doc(1), 0, [](TArea& area) { area.Number = area.Layer = 2147483647; });
}

TArea SetArea() {
    TArea set;
    set.Title = "S";
    set.Number = 50;
    return set;
}

struct TStepCase {
    const char* Name;
    std::function<TDocumentStep()> Step;
    std::vector<std::string> Rows;
    TSelection Selected;
    TSelection TouchedBefore;
    TSelection TouchedAfter;
};

class DocumentStep : public testing::TestWithParam<TStepCase> {};

TEST_P(DocumentStep, GivesTheDocumentSelectionAndTouchedRows) {
    const TDocumentStep step = GetParam().Step();
    EXPECT_EQ(Shown(step.Document), GetParam().Rows);
    EXPECT_EQ(step.Selected, GetParam().Selected);
    EXPECT_EQ(step.TouchedBefore, GetParam().TouchedBefore);
    EXPECT_EQ(step.TouchedAfter, GetParam().TouchedAfter);
}

// clang-format off
const TStepCase StepCases[] = {
    {"AddNumbersAfterTheLargest", [] { return AddArea(Unnumbered()); }, {"T0 3/5 A", "T1 10/2 A", "T2 11/9 A", "<Untitled> 12/10 A"}, Flags(4, {3}), Flags(3, {}), Flags(4, {3})},
    {"AddKeepsTheLargestNumberInsteadOfWrapping", [] { return AddArea(Topmost()); }, {"T0 2147483647/2147483647 A", "<Untitled> 2147483647/2147483647 A"}, Flags(2, {1}), Flags(1, {}), Flags(2, {1})},
    {"DuplicateCopiesToTheEnd", [] { return DuplicateAreas(Doc(4), Flags(4, {1, 3})); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A", "T3 4/4 A", "Copy of T1 5/5 A", "Copy of T3 6/6 A"}, Flags(6, {1, 3}), Flags(4, {1, 3}), Flags(6, {4, 5})},
    {"DeleteKeepsRequiredAndNumbers", [] { return DeleteAreas(Changed(Doc(5, {3}), 3, Off), Flags(5, {2, 3, 4}), Flags(5, {2, 3, 4})); }, {"T0 1/1 A", "T1 2/2 A", "T3 4/4 R"}, Flags(3, {2}), Flags(5, {2, 4}), Flags(3, {})},
    {"DeleteOnlyTheAgreedRows", [] { return DeleteAreas(Doc(5), Flags(5, {2, 4}), Flags(5, {4})); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A", "T3 4/4 A"}, Flags(4, {2}), Flags(5, {4}), Flags(4, {})},
    {"RenumberFromOne", [] { return RenumberAreas(Unnumbered(), Flags(3, {1})); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A"}, Flags(3, {1}), Flags(3, {1}), Flags(3, {1})},
    {"MoveDownRenumbers", [] { return ReorderAreas(Doc(5), Flags(5, {2, 3}), MoveDown(Flags(5, {2, 3})), "Move down"); }, {"T0 1/1 A", "T1 2/2 A", "T4 3/3 A", "T2 4/4 A", "T3 5/5 A"}, Flags(5, {3, 4}), Flags(5, {2, 3}), Flags(5, {3, 4})},
    {"DropTouchesTheDroppedRows", [] { return ReorderAreas(Doc(6), Flags(6, {2, 4}), Drop(Flags(6, {2, 4}), -1), "Move"); }, {"T0 1/1 A", "T1 2/2 A", "T3 3/3 A", "T5 4/4 A", "T2 5/5 A", "T4 6/6 A"}, Flags(6, {}), Flags(6, {2, 4}), Flags(6, {4, 5})},
    {"CutTakesTheRowsAndRenumbers", [] { return RemoveSelected(Doc(5), Flags(5, {1, 3}), "Cut"); }, {"T0 1/1 A", "T2 2/2 A", "T4 3/3 A"}, Flags(3, {}), Flags(5, {1, 3}), Flags(3, {})},
    {"PasteReversesTheTakenOrder", [] { const TSceneryDocument d = Doc(4); return PasteAreas(d, Flags(4, {2, 3}), CopiedAreas(d, Flags(4, {1, 3}))); }, {"T0 1/1 A", "T1 2/2 A", "T3 3/3 A", "T1 4/4 A", "T2 5/5 A", "T3 6/6 A"}, Flags(6, {4, 5}), Flags(4, {2, 3}), Flags(6, {2, 3})},
    {"PasteWithoutSelectionOnlyRenumbers", [] { return PasteAreas(Unnumbered(), Flags(3, {}), CopiedAreas(Doc(2), Flags(2, {1}))); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A"}, Flags(3, {}), Flags(3, {}), Flags(3, {})},
    {"ImportAtTheEnd", [] { return InsertAreas(Doc(2), Flags(2, {0}), 2, {SetArea(), SetArea()}, "Import"); }, {"T0 1/1 A", "T1 2/2 A", "S 3/3 A", "S 4/4 A"}, Flags(4, {0}), Flags(2, {0}), Flags(4, {2, 3})},
    {"EditTouchesItsRow", [] { return ChangeArea(Doc(4), Flags(4, {2, 3}), 3, "Scenery Title", [](TArea& area) { area.Title = "Alps"; }); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A", "Alps 4/4 A"}, Flags(4, {2, 3}), Flags(4, {3}), Flags(4, {3})},
    {"RequiredMeansActive", [] { return ChangeArea(Doc(4), Flags(4, {2}), 2, "Active", [](TArea& area) { area.Active = false; area.Required = true; }); }, {"T0 1/1 A", "T1 2/2 A", "T2 3/3 A R", "T3 4/4 A"}, Flags(4, {2}), Flags(4, {2}), Flags(4, {2})},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Commands, DocumentStep, testing::ValuesIn(StepCases), CaseName);

// A step copies only what it changes: every other area is the very one of the state before, which the
// step never touches; pasted areas are new entries.
TEST(DocumentStep, SharesWhatItLeavesAndMakesNewEntriesForCopies) {
    const TSceneryDocument document = Doc(5);
    const std::vector<std::string> before = Shown(document);
    const TDocumentStep moved = ReorderAreas(document, Flags(5, {3}), MoveDown(Flags(5, {3})), "Move down");
    EXPECT_EQ(Shown(document), before);
    for (int row : {0, 1, 2})
        EXPECT_EQ(moved.Document.Areas[static_cast<std::size_t>(row)].Area,
                  document.Areas[static_cast<std::size_t>(row)].Area);
    EXPECT_EQ(moved.Document.Areas[4].Id, document.Areas[3].Id);
    EXPECT_NE(moved.Document.Areas[4].Area, document.Areas[3].Area);

    const TDocumentStep pasted = PasteAreas(document, Flags(5, {0}), CopiedAreas(document, Flags(5, {2})));
    EXPECT_NE(pasted.Document.Areas[0].Id, document.Areas[2].Id);
    EXPECT_NE(pasted.Document.Areas[0].Area, document.Areas[2].Area);
    EXPECT_EQ(pasted.Document.General.Title, "World");
}

TEST(DocumentStep, ActivatesOnlyAnInactiveRequiredArea) {
    const TSceneryDocument document = Changed(Doc(3, {2}), 2, Off);
    EXPECT_EQ(ActivatedIfRequired(document.Areas[1].Area), nullptr);
    const TAreaRef active = ActivatedIfRequired(document.Areas[2].Area);
    ASSERT_NE(active, nullptr);
    EXPECT_TRUE(active->Active);
    EXPECT_FALSE(document.Area(2).Active);
    EXPECT_EQ(ActivatedIfRequired(active), nullptr);
}

using TStepOn = std::function<TDocumentStep(const TSceneryDocument&, const TSelection&)>;

struct TCurrentCase {
    const char* Name;
    // The step on Doc(6) with the selection and the current row before it (-1: none).
    TStepOn Step;
    std::vector<int> Selected;
    int Current;
    // The title of the current row after it, "" for none.
    std::string After;
};

class CurrentRow : public testing::TestWithParam<TCurrentCase> {};

TEST_P(CurrentRow, FollowsTheStep) {
    const TCurrentCase& c = GetParam();
    const TSceneryDocument document = Doc(6);
    const TSelection selected = Flags(6, c.Selected);
    TDocumentStep step = c.Step(document, selected);
    SettleCurrent(step, document, selected,
                  c.Current < 0 ? 0 : document.Areas[static_cast<std::size_t>(c.Current)].Id);
    const int position = PositionOf(step.Document, step.Current);
    EXPECT_EQ(position < 0 ? "" : step.Document.Area(position).Title, c.After);
}

// clang-format off
const TCurrentCase CurrentCases[] = {
    {"MovedBlockKeepsItsCurrentRow", [](const TSceneryDocument& d, const TSelection& s) { return ReorderAreas(d, s, MoveDown(s), "Move down"); }, {2, 3}, 3, "T3"},
    {"SwappedPairKeepsItsCurrentRow", [](const TSceneryDocument& d, const TSelection& s) { return ReorderAreas(d, s, {{0, 1, 3, 2, 4, 5}, s}, "Move"); }, {2, 3}, 2, "T2"},
    {"AddedRowBecomesCurrent", [](const TSceneryDocument& d, const TSelection&) { return AddArea(d); }, {3}, 3, "<Untitled>"},
    {"DeletedCurrentHandsOnToTheFirstSelected", [](const TSceneryDocument& d, const TSelection& s) { return DeleteAreas(d, s, Flags(6, {2})); }, {2, 4}, 2, "T4"},
    {"DeletingEverySelectedRowLeavesNone", [](const TSceneryDocument& d, const TSelection& s) { return DeleteAreas(d, s, s); }, {2, 3}, 2, ""},
    {"DroppedCurrentIsLetGo", [](const TSceneryDocument& d, const TSelection& s) { return ReorderAreas(d, s, Drop(s, 1), "Move"); }, {3, 4}, 3, ""},
    {"UnselectedCurrentStaysWhileNothingIsSelected", [](const TSceneryDocument& d, const TSelection& s) { return ChangeArea(d, s, 4, "Title", [](TArea& area) { area.Title += "!"; }); }, {}, 4, "T4!"},
    {"DuplicateKeepsTheCurrentRow", [](const TSceneryDocument& d, const TSelection& s) { return DuplicateAreas(d, s); }, {5}, 5, "T5"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Steps, CurrentRow, testing::ValuesIn(CurrentCases), CaseName);

} // namespace
