#include "platform/SystemCodePage.h"

#include "platform/AnsiCodec.h"

namespace {
QString Viewed(std::u16string_view text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                static_cast<qsizetype>(text.size()));
}
} // namespace

std::u16string TSystemCodePage::Decode(std::string_view bytes) const {
    return AnsiToUnicode(bytes).toStdU16String();
}

std::string TSystemCodePage::Encode(std::u16string_view text) const {
    return UnicodeToAnsi(Viewed(text));
}

std::pair<std::u16string, std::u16string> TSystemCodePage::Split(std::u16string_view text) const {
    const TAnsiSplit split = SplitByAnsi(Viewed(text));
    return {split.Kept.toStdU16String(), split.Lacking.toStdU16String()};
}

const std::array<unsigned char, 256>& TSystemCodePage::LetterCase() const {
    return AnsiLetterCase();
}
