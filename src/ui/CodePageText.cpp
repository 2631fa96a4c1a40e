#include "CodePageText.h"

#include "model/format/CodePage.h"

namespace {
const TCodePage* Installed = nullptr;

const TCodePage& Page() {
    return *Installed;
}

std::u16string_view Units(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString FromUnits(const std::u16string& units) {
    return QString::fromStdU16String(units);
}
} // namespace

void UseCodePage(const TCodePage& codePage) {
    Installed = &codePage;
}

// Widgets show every area's texts: one table look-up a byte, straight into the text.
QString RecordToText(std::string_view bytes) {
    const std::array<char16_t, 256>& characters = Page().Characters();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return text;
}

std::string TextToRecord(const QString& text) {
    return Page().Encode(Units(text));
}

std::string FieldToRecord(const QString& text) {
    return OnOneLine(TextToRecord(text));
}

TCodePageSplit SplitByCodePage(const QString& text) {
    auto [kept, lacking] = Page().Split(Units(text));
    return {FromUnits(kept), FromUnits(lacking)};
}

const std::array<unsigned char, 256>& RecordLetterCase() {
    return Page().LetterCase();
}
