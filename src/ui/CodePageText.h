#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>

class TCodePage;

// The one crossing between record bytes and the text widgets show, in the code page app/ gives at
// start-up (UseCodePage), before any window exists.
void UseCodePage(const TCodePage& codePage);
QString RecordToText(std::string_view bytes);
// Characters the code page lacks become '?'.
std::string TextToRecord(const QString& text);
// As TextToRecord, and CR, LF and NUL become blanks: a field's text can never break a file's lines.
std::string FieldToRecord(const QString& text);
// The text without the characters the code page lacks, and those characters in the order met.
struct TCodePageSplit {
    QString Kept;
    QString Lacking;
};
TCodePageSplit SplitByCodePage(const QString& text);
// The find field's letter-case rule (TLetterCase).
const std::array<unsigned char, 256>& RecordLetterCase();
