#include "model/library/SaveChecks.h"
#include "model/format/QuarrowTypes.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct TNoLocalCase {
    const char* Name;
    std::vector<const char*> Locals; // one area per entry, titled A0, A1, ...
    std::string Question;
    std::string Action = "Save";
};

class NoLocalPath : public testing::TestWithParam<TNoLocalCase> {};

TEST_P(NoLocalPath, NamesTheFirstFiveAreasThatWouldVanish) {
    std::vector<TArea> areas(GetParam().Locals.size());
    std::vector<const TArea*> order;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        areas[i].Title = "A" + std::to_string(i);
        areas[i].Local = GetParam().Locals[i];
        order.push_back(&areas[i]);
    }
    EXPECT_EQ(NoLocalPathQuestion(order, GetParam().Action), GetParam().Question);
}

const std::string One = "1 area has no Local Path and will not be read back: ";
const std::string Many = " areas have no Local Path and will not be read back: ";

const TNoLocalCase NoLocalCases[] = {
    {"EveryAreaHasOne", {"S\\1", "S\\2"}, ""},
    {"Empty", {}, ""},
    {"One", {"S\\1", "", "S\\3"}, One + "A1. Save anyway?"},
    {"Five", {"", "", "x", "", "", ""}, "5" + Many + "A0, A1, A3, A4, A5. Save anyway?"},
    {"Seven", {"", "", "", "", "", "", ""}, "7" + Many + "A0, A1, A2, A3, A4, ... Save anyway?"},
    {"Export", {"S\\1", ""}, One + "A1. Export anyway?", "Export"},
};

INSTANTIATE_TEST_SUITE_P(Cases, NoLocalPath, testing::ValuesIn(NoLocalCases), CaseName);

// Numbers the sweep of an import reads pass; the first outside them is named.
TEST(AreaSetNumbers, NameTheFirstAreaAnImportWouldNotRead) {
    TArea low, high, higher;
    low.Number = 0;
    high.Number = LastAreaNumber;
    EXPECT_EQ(AreaSetNumberError(std::vector<const TArea*>{&low, &high}), "");
    higher.Number = LastAreaNumber + 1;
    higher.Title = "Alps";
    EXPECT_EQ(AreaSetNumberError(std::vector<const TArea*>{&low, &higher, &higher}),
              "Area set not exported! Area \"Alps\" has the number 2000, but an area set holds only the "
              "numbers 0 to 1999. Renumber the list first.");
    low.Number = -1;
    EXPECT_NE(AreaSetNumberError(std::vector<const TArea*>{&low}), "");
}

} // namespace
