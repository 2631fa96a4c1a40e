#include "model/format/MarkedText.h"

namespace {

constexpr char16_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

unsigned char ByteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

void AppendCode(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<char16_t>(code);
        return;
    }
    text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
}

// The length of the sequence a lead byte starts and the bits it carries; 0 for a byte that starts
// none, including the leads that could only start an overlong form or one beyond Unicode.
std::size_t SequenceLength(unsigned char lead, char32_t& code) {
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    code = lead & (0xFF >> (length + 1));
    return length;
}

// A sequence the end of the file cuts off; one whose bytes so far already break it is invalid instead.
bool CutOff(std::string_view bytes, std::size_t at, std::size_t length) {
    if (at + length <= bytes.size())
        return false;
    for (std::size_t i = at + 1; i < bytes.size(); ++i)
        if (!IsContinuation(ByteAt(bytes, i)))
            return false;
    return true;
}

// The sequence's length when it is valid (the shortest form, no surrogate, within Unicode), else 0.
std::size_t DecodeSequence(std::string_view bytes, std::size_t at, std::size_t length, char32_t& code) {
    if (at + length > bytes.size())
        return 0;
    for (std::size_t i = at + 1; i < at + length; ++i) {
        if (!IsContinuation(ByteAt(bytes, i)))
            return 0;
        code = code << 6 | (ByteAt(bytes, i) & 0x3F);
    }
    const char32_t least = length == 1 ? 0 : length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    const bool valid = code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? length : 0;
}

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = SequenceLength(ByteAt(bytes, at), code);
        if (length > 0 && CutOff(bytes, at, length))
            break;
        const std::size_t valid = length == 0 ? 0 : DecodeSequence(bytes, at, length, code);
        if (valid == 0) {
            text += Replacement;
            ++at;
            continue;
        }
        AppendCode(text, code);
        at += valid;
    }
    return text;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const char16_t first = ByteAt(bytes, at), second = ByteAt(bytes, at + 1);
        text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

} // namespace

std::optional<std::u16string> DecodeMarkedText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return DecodeUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    return std::nullopt;
}
