#include "platform/AnsiCodec.h"

#include "model/format/CodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// The code page's 256 characters, taken once from the platform's converter. A byte the code page
// leaves undefined maps to the control character of the same number, so every byte survives.
struct TCodePageTable {
    std::array<QChar, 256> Chars;
    QHash<char16_t, char> Bytes;

    TCodePageTable() {
#ifdef Q_OS_WIN
        QStringDecoder decoder(QStringConverter::System);
#else
        QStringDecoder decoder("windows-1252");
#endif
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QString text = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            decoder.resetState();
            const bool usable = text.size() == 1 && text[0] != QChar::ReplacementCharacter &&
                                !Bytes.contains(text[0].unicode());
            Chars[b] = usable ? text[0] : QChar(static_cast<char16_t>(b));
            Bytes.insert(Chars[b].unicode(), byte);
        }
    }
};

const TCodePageTable& CodePage() {
    static const TCodePageTable codePage;
    return codePage;
}

} // namespace

QString AnsiToUnicode(std::string_view bytes) {
    const TCodePageTable& page = CodePage();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[static_cast<qsizetype>(i)] = page.Chars[static_cast<unsigned char>(bytes[i])];
    return text;
}

std::string UnicodeToAnsi(const QString& text) {
    const TCodePageTable& page = CodePage();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is one character the code page lacks: one '?'.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.push_back(page.Bytes.value(text[i].unicode(), '?'));
    }
    return bytes;
}

std::string Utf16ToAnsi(std::u16string_view text) {
    return UnicodeToAnsi(QStringView(text.data(), static_cast<qsizetype>(text.size())).toString());
}

TAnsiSplit SplitByAnsi(const QString& text) {
    const TCodePageTable& page = CodePage();
    TAnsiSplit split;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane goes whole, both of its halves together.
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        QString& side = length == 1 && page.Bytes.contains(text[i].unicode()) ? split.Kept : split.Lacking;
        side.append(text.mid(i, length));
        i += length - 1;
    }
    return split;
}

std::string FieldTextToAnsi(const QString& text) {
    return OnOneLine(UnicodeToAnsi(text));
}

const std::array<unsigned char, 256>& AnsiLetterCase() {
    static const std::array<unsigned char, 256> lower = [] {
        const TCodePageTable& page = CodePage();
        std::array<unsigned char, 256> table{};
        for (int b = 0; b < 256; ++b) {
            const char fallback = static_cast<char>(b);
            table[b] =
                static_cast<unsigned char>(page.Bytes.value(page.Chars[b].toLower().unicode(), fallback));
        }
        return table;
    }();
    return lower;
}
