#include "model/format/IntegerText.h"

#include <cctype>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

struct TIntegerCase {
    const char* Text;
    std::optional<std::int32_t> Expected;
};

class IntegerTextTest : public testing::TestWithParam<TIntegerCase> {};

TEST_P(IntegerTextTest, ConvertsAsTheHostDoes) {
    EXPECT_EQ(ParseInteger(GetParam().Text), GetParam().Expected) << "text: [" << GetParam().Text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntegerTextTest,
    testing::Values(
        TIntegerCase{"12", 12}, TIntegerCase{"  12", 12}, TIntegerCase{"+7", 7}, TIntegerCase{"-3", -3},
        TIntegerCase{"007", 7}, TIntegerCase{"2147483647", 2147483647},
        TIntegerCase{"-2147483648", INT32_MIN}, TIntegerCase{"0x1A", 26}, TIntegerCase{"0X1a", 26},
        TIntegerCase{"$1A", 26}, TIntegerCase{"x1A", 26}, TIntegerCase{"X1A", 26}, TIntegerCase{"-$1A", -26},
        TIntegerCase{"$FFFFFFFF", -1}, TIntegerCase{"$80000000", INT32_MIN}, TIntegerCase{"$000000001", 1},
        TIntegerCase{"0", 0}, TIntegerCase{"-0", 0},
        // Everything below falls back to the caller's default.
        TIntegerCase{"", std::nullopt}, TIntegerCase{"   ", std::nullopt}, TIntegerCase{"abc", std::nullopt},
        TIntegerCase{"12abc", std::nullopt}, TIntegerCase{"12 ", std::nullopt},
        TIntegerCase{"\t12", std::nullopt}, TIntegerCase{"$", std::nullopt}, TIntegerCase{"0x", std::nullopt},
        TIntegerCase{"-", std::nullopt}, TIntegerCase{"+-1", std::nullopt},
        TIntegerCase{"2147483648", std::nullopt}, TIntegerCase{"-2147483649", std::nullopt},
        TIntegerCase{"99999999999999999999", std::nullopt}, TIntegerCase{"$100000000", std::nullopt},
        TIntegerCase{"$1G", std::nullopt}, TIntegerCase{"1.5", std::nullopt}),
    // The text itself, each character that cannot stand in a test name as its code: "-$1A" gives
    // "x2Dx241A", the empty text "Empty".
    [](const testing::TestParamInfo<TIntegerCase>& info) {
        std::string name;
        for (const char* c = info.param.Text; *c; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c))) {
                name += *c;
            } else {
                char code[4];
                std::snprintf(code, sizeof code, "x%02X", static_cast<unsigned char>(*c));
                name += code;
            }
        }
        return name.empty() ? std::string("Empty") : name;
    });

} // namespace
