#include "model/SaveChecks.h"
#include "model/QuarrowTypes.h"

#include <gtest/gtest.h>

namespace {

struct TNoLocalCase {
    const char* Name;
    std::vector<const char*> Locals; // one area per entry, titled A0, A1, ...
    std::string Question;
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
    EXPECT_EQ(NoLocalPathQuestion(order), GetParam().Question);
}

const std::string Lead = " area(s) have no Local Path and will not be read back: ";

INSTANTIATE_TEST_SUITE_P(
    Cases, NoLocalPath,
    testing::Values(
        TNoLocalCase{"EveryAreaHasOne", {"S\\1", "S\\2"}, ""}, TNoLocalCase{"Empty", {}, ""},
        TNoLocalCase{"One", {"S\\1", "", "S\\3"}, "1" + Lead + "A1 Save anyway?"},
        TNoLocalCase{"Five", {"", "", "x", "", "", ""}, "5" + Lead + "A0, A1, A3, A4, A5 Save anyway?"},
        TNoLocalCase{
            "Seven", {"", "", "", "", "", "", ""}, "7" + Lead + "A0, A1, A2, A3, A4, ... Save anyway?"}),
    [](const testing::TestParamInfo<TNoLocalCase>& info) { return std::string(info.param.Name); });

} // namespace
