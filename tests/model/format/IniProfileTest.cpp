#include "model/format/IniProfile.h"
#include "support/Latin1Text.h"

#include <gtest/gtest.h>

namespace {

struct TLookupCase {
    const char* Name;
    std::string File;
    const char* Section;
    const char* Key;
    std::string Expected; // "<default>" when the lookup must answer its default
};

class ProfileLookup : public testing::TestWithParam<TLookupCase> {};

TEST_P(ProfileLookup, AnswersAsTheHostLookupDoes) {
    const auto& c = GetParam();
    EXPECT_EQ(Latin1Profile(c.File)->ReadString(c.Section, c.Key, "<default>"), c.Expected);
}

const std::string LongValue(3000, 'v');

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileLookup,
    testing::Values(
        TLookupCase{"SectionCase", "[gEnErAl]\r\nTitle=x\r\n", "General", "Title", "x"},
        TLookupCase{"KeyCase", "[General]\r\nCLEAN_ON_EXIT=x\r\n", "General", "Clean_on_Exit", "x"},
        TLookupCase{"HighBytesCompareExactly", "[\xC4rea]\r\nk=x\r\n", "\xE4rea", "k", "<default>"},
        TLookupCase{"HighBytesMatchThemselves", "[\xC4rea]\r\nk=x\r\n", "\xC4rea", "k", "x"},
        TLookupCase{"HeaderTrimmed", "[ \tArea.001 ]\r\nk=x\r\n", "Area.001", "k", "x"},
        TLookupCase{"TextAfterHeaderIgnored", "[Area.001] ; old\r\nk=x\r\n", "Area.001", "k", "x"},
        TLookupCase{"HeaderRunsToLastBracket", "[a]b]\r\nk=x\r\n", "a]b", "k", "x"},
        TLookupCase{"IndentedHeader", "  [S]\r\nk=x\r\n", "S", "k", "x"},
        TLookupCase{"FirstSectionWins", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", "S", "k", "<default>"},
        TLookupCase{"FirstKeyWins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        TLookupCase{"BracketLineEndsSection", "[S]\r\n[no end\r\nk=x\r\n", "S", "k", "<default>"},
        TLookupCase{"UnclosedHeaderNamesNothing", "[S\r\nk=x\r\n", "S", "k", "<default>"},
        TLookupCase{"KeyBeforeAnySection", "k=x\r\n[S]\r\n", "S", "k", "<default>"},
        TLookupCase{"BlanksAndTabsTrimmed", "[S]\r\n \t k \t = \t v w \t \r\n", "S", "k", "v w"},
        TLookupCase{"DoubleQuotesRemoved", "[S]\r\nk=\"abc\"\r\n", "S", "k", "abc"},
        TLookupCase{"SingleQuotesRemoved", "[S]\r\nk='abc'\r\n", "S", "k", "abc"},
        TLookupCase{"InnerBlanksOfQuotesKept", "[S]\r\nk=\" abc \"\r\n", "S", "k", " abc "},
        TLookupCase{"OneOpeningQuoteKept", "[S]\r\nk=\"abc\r\n", "S", "k", "\"abc"},
        TLookupCase{"QuoteInsideKept", "[S]\r\nk=\"ab\"c\r\n", "S", "k", "\"ab\"c"},
        TLookupCase{"MixedQuotesKept", "[S]\r\nk=\"abc'\r\n", "S", "k", "\"abc'"},
        TLookupCase{"OnlyOnePairRemoved", "[S]\r\nk=\"\"abc\"\"\r\n", "S", "k", "\"abc\""},
        TLookupCase{"LoneQuote", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        TLookupCase{"SemicolonKeyIsAKey", "[S]\r\n;Title=x\r\n", "S", ";Title", "x"},
        TLookupCase{"SemicolonIsNoComment", "[S]\r\nTitle=a ; b\r\n", "S", "Title", "a ; b"},
        TLookupCase{"HashIsNoComment", "[S]\r\nTitle=a # b\r\n", "S", "Title", "a # b"},
        TLookupCase{"ValueRunsPastFurtherEquals", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        TLookupCase{"LineWithoutEqualsIsNoKey", "[S]\r\nk\r\n", "S", "k", "<default>"},
        TLookupCase{"EmptyValue", "[S]\r\nk=\r\n", "S", "k", ""},
        TLookupCase{"LfEndsLines", "[S]\nk=1\nj=2\n", "S", "j", "2"},
        TLookupCase{"CrEndsLines", "[S]\rk=1\rj=2\r", "S", "j", "2"},
        TLookupCase{"NoFinalLineEnd", "[S]\r\nk=1", "S", "k", "1"},
        TLookupCase{"NulEndsValue", std::string("[S]\r\nk=ab\0cd\r\nj=2\r\n", 20), "S", "k", "ab"},
        TLookupCase{"ReadingGoesOnAfterNul", std::string("[S]\r\nk=ab\0cd\r\nj=2\r\n", 20), "S", "j", "2"},
        TLookupCase{"NulEndsHeaderName", std::string("[Area.002\0zz]\r\nk=x\r\n", 20), "Area.002", "k", "x"},
        TLookupCase{"NulEndsKeyName", std::string("[S]\r\nk\0x=1\r\n", 12), "S", "k", "1"},
        TLookupCase{"ValueCutAt2047Bytes", "[S]\r\nk=" + LongValue + "\r\n", "S", "k",
                    std::string(2047, 'v')},
        TLookupCase{"MissingSection", "[S]\r\nk=x\r\n", "T", "k", "<default>"},
        TLookupCase{"EmptyFile", "", "S", "k", "<default>"}),
    [](const testing::TestParamInfo<TLookupCase>& info) { return std::string(info.param.Name); });

struct TBomCase {
    const char* Name;
    std::string File;
};

class ProfileByteOrderMark : public testing::TestWithParam<TBomCase> {};

// Unicode files are brought into the ANSI code page: ü is 0xFC there, and Ω is missing, so '?'.
TEST_P(ProfileByteOrderMark, IsDecodedIntoTheAnsiCodePage) {
    const auto profile = Latin1Profile(GetParam().File);
    EXPECT_EQ(profile->ReadString("Area.001", "Title", "<default>"), "Z\xFCrich ?");
}

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Marks, ProfileByteOrderMark,
    testing::Values(TBomCase{"Utf8", "\xEF\xBB\xBF[Area.001]\r\nTitle=Z\xC3\xBCrich \xCE\xA9\r\n"},
                    TBomCase{"Utf16LE", Utf16(u"[Area.001]\r\nTitle=Z\u00FCrich \u03A9\r\n", false)},
                    TBomCase{"Utf16BE", Utf16(u"[Area.001]\r\nTitle=Z\u00FCrich \u03A9\r\n", true)}),
    [](const testing::TestParamInfo<TBomCase>& info) { return std::string(info.param.Name); });

TEST(ProfileFile, WithoutMarkIsTakenByteForByte) {
    std::string title;
    for (int b = 0x80; b <= 0xFF; ++b)
        title.push_back(static_cast<char>(b));
    EXPECT_EQ(Latin1Profile("[S]\r\nk=" + title + "\r\n")->ReadString("S", "k", ""), title);
}

} // namespace
