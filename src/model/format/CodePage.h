#pragma once

#include <array>
#include <string>
#include <string_view>

// The code page the records' bytes are in, as the windows need it to show and take text. The system
// supplies it (its own ANSI code page on Windows, windows-1252 elsewhere), so the windows never know
// which one it is.
class TCodePage {
public:
    virtual ~TCodePage() = default;
    // The character of each byte, the 256 of them distinct: an area whose text was never edited is
    // written back byte for byte.
    virtual const std::array<char16_t, 256>& Characters() const = 0;
    // A character the code page lacks becomes '?' (a pair of surrogates is one character).
    virtual std::string Encode(std::u16string_view text) const = 0;
    // The text's characters the code page holds, then those it lacks, each in the order met.
    virtual std::pair<std::u16string, std::u16string> Split(std::u16string_view text) const = 0;
    // The lower-case byte of each byte where the code page holds the character's lower case.
    virtual const std::array<unsigned char, 256>& LetterCase() const = 0;
};

// CR, LF and NUL become blanks: a field's text can never break a record's line.
std::string OnOneLine(std::string bytes);
