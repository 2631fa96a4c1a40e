#include "model/scan/IcaoIdent.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct TIdentCase {
    const char* Name;
    std::uint32_t Value;
    const char* Ident;
};

class DecodingIdents : public testing::TestWithParam<TIdentCase> {};

TEST_P(DecodingIdents, GivesTheIdent) {
    EXPECT_EQ(DecodeIcaoIdent(GetParam().Value), GetParam().Ident);
}

// KPDX is the published example; the others are built digit by digit: ((K*38+P)*38+D)*38+X << 5.
const TIdentCase IdentCases[] = {
    {"Kpdx", 0x0260C721, "KPDX"},
    {"LowBitsIgnored", 0x0260C73F, "KPDX"},
    {"ThreeLetters", ((30u * 38 + 16) * 38 + 12) << 5, "SEA"},
    {"FiveCharacters", ((((24u * 38 + 13) * 38 + 2) * 38 + 3) * 38 + 4) << 5, "MB012"},
    {"DigitsOnly", ((3u * 38 + 11) * 38 + 2) << 5, "190"},
    {"TrailingBlanksDropped", ((30u * 38 + 16) * 38 + 12) * 38 * 38 << 5, "SEA"},
    {"InnerBlankKept", ((22u * 38 + 0) * 38 + 3) << 5, "K 1"},
    {"Zero", 0x1F, ""},
};

INSTANTIATE_TEST_SUITE_P(Idents, DecodingIdents, testing::ValuesIn(IdentCases), CaseName);

} // namespace
