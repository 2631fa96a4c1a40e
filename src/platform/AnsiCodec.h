#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>

// Conversion between record bytes (the ANSI code page: the system's on Windows, windows-1252
// elsewhere) and the text widgets show. Lossless for all 256 byte values, so a title that was never
// edited is written back byte for byte.
QString AnsiToUnicode(std::string_view bytes);
// The text without the characters the code page lacks, and those characters in the order met.
struct TAnsiSplit {
    QString Kept;
    QString Lacking;
};
TAnsiSplit SplitByAnsi(const QString& text);
// Characters the code page lacks become '?'.
std::string UnicodeToAnsi(const QString& text);
// As UnicodeToAnsi, for the model's UTF-16 text.
std::string Utf16ToAnsi(std::u16string_view text);
// As UnicodeToAnsi, and CR, LF and NUL become blanks: a field's text can never break a file's lines.
std::string FieldTextToAnsi(const QString& text);
// The lower-case byte of each byte, where the code page holds the character's lower case; else the
// byte itself. The find field's letter-case rule (TLetterCase).
const std::array<unsigned char, 256>& AnsiLetterCase();
