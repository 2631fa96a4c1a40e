#include "platform/SystemCodePage.h"

#include "platform/AnsiCodec.h"

namespace {
QString Viewed(std::u16string_view text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                static_cast<qsizetype>(text.size()));
}
} // namespace

TSystemCodePage::TSystemCodePage() {
    std::string bytes(FCharacters.size(), '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b)
        bytes[b] = static_cast<char>(b);
    const QString text = AnsiToUnicode(bytes);
    for (std::size_t b = 0; b < FCharacters.size(); ++b)
        FCharacters[b] = text[static_cast<qsizetype>(b)].unicode();
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
