#include "platform/AnsiCodec.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(AnsiCodec, EveryByteSurvivesTheWidgetRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = AnsiToUnicode(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(UnicodeToAnsi(text), all);
}

TEST(AnsiCodec, UsesTheWindowsLatinCodePage) {
    EXPECT_EQ(AnsiToUnicode("Z\xFCrich \x80 \x9F"), u"Zürich € Ÿ"_s);
    EXPECT_EQ(UnicodeToAnsi(u"Zürich € Ÿ"_s), "Z\xFCrich \x80 \x9F");
}

TEST(AnsiCodec, MissingCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(UnicodeToAnsi(u"Ω 漢 😀"_s), "? ? ?");
}

TEST(AnsiCodec, FieldTextNeverCarriesLineBreaksOrNuls) {
    EXPECT_EQ(FieldTextToAnsi(u"a\r\nb\nc\rd"_s + QChar(u'\0') + u"e"_s), std::string("a  b c d e"));
}

// The find field ignores letter case for every letter the code page holds in both cases.
TEST(AnsiCodec, LetterCaseFollowsTheCodePage) {
    const auto& lower = AnsiLetterCase();
    const std::pair<unsigned char, unsigned char> cases[] = {
        {'A', 'a'},   {'z', 'z'},   {0xC4, 0xE4}, {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C},
        {0x9F, 0xFF}, {0xD7, 0xD7}, {0xDF, 0xDF}, {'1', '1'},   {0x81, 0x81},
    };
    for (const auto& [byte, expected] : cases)
        EXPECT_EQ(lower[byte], expected) << int(byte);
}

} // namespace
