#include "model/document/CommandStates.h"
#include "SelectionFlags.h"
#include "support/CaseName.h"
#include "support/DocumentBuilder.h"

#include <array>
#include <gtest/gtest.h>

namespace {

struct TStatesCase {
    const char* Name;
    int Rows;
    std::vector<int> Required;
    std::vector<int> Selected;
    int Current;
    // CurrentEditable, CurrentNotRequired, TopNotSelected, BottomNotSelected, NoRequiredSelected,
    // NoProtectedCurrent, NoProtectedNorRequired, EditableSelected, in that order.
    std::array<bool, 8> States;
};

class CommandStates : public testing::TestWithParam<TStatesCase> {};

TEST_P(CommandStates, FollowTheCurrentRowAndTheSelection) {
    const TStatesCase& c = GetParam();
    const TCommandStates s = EnabledCommands(Doc(c.Rows, c.Required), Flags(c.Rows, c.Selected), c.Current);
    EXPECT_EQ((std::array<bool, 8>{s.CurrentEditable, s.CurrentNotRequired, s.TopNotSelected,
                                   s.BottomNotSelected, s.NoRequiredSelected, s.NoProtectedCurrent,
                                   s.NoProtectedNorRequired, s.EditableSelected}),
              c.States);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Selections, CommandStates,
    testing::Values(TStatesCase{"Row0", 6, {}, {0}, 0, {0, 0, 0, 0, 0, 0, 0, 0}},
                    TStatesCase{"Row1", 6, {}, {1}, 1, {0, 0, 0, 0, 0, 0, 0, 0}},
                    TStatesCase{"ProtectedRequiredRow", 6, {1}, {1}, 1, {0, 0, 0, 0, 0, 0, 0, 0}},
                    TStatesCase{"Row2IsTheTop", 6, {}, {2}, 2, {1, 1, 0, 1, 1, 1, 1, 1}},
                    TStatesCase{"Rows2And5Last", 6, {}, {2, 5}, 2, {1, 1, 0, 0, 1, 1, 1, 1}},
                    TStatesCase{"MiddleRow", 8, {}, {4}, 4, {1, 1, 1, 1, 1, 1, 1, 1}},
                    TStatesCase{"LastRow", 8, {}, {7}, 7, {1, 1, 1, 0, 1, 1, 1, 1}},
                    TStatesCase{"RequiredCurrent", 8, {3}, {3}, 3, {1, 0, 1, 1, 0, 1, 0, 1}},
                    TStatesCase{"RequiredElsewhereSelected", 8, {5}, {3, 5}, 3, {1, 1, 1, 1, 0, 1, 0, 1}},
                    TStatesCase{"NoCurrentRow", 4, {}, {}, -1, {0, 0, 0, 0, 0, 1, 1, 0}},
                    TStatesCase{"SelectAllWithRow0Current", 6, {3}, {0, 1, 2, 3, 4, 5}, 0, {0, 0, 0, 0, 0, 0, 0, 1}},
                    TStatesCase{"EmptyList", 0, {}, {}, -1, {0, 0, 0, 0, 0, 1, 1, 0}}),
    CaseName);
// clang-format on

} // namespace
