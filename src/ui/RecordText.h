#pragma once

#include <QString>
#include <functional>

class QLineEdit;

// Says why characters were left out of a field, for the status bar.
using TRefusalReport = std::function<void(const QString& why)>;

// Text bound for a record's line: each CR, LF and NUL becomes a blank, so it cannot split the line.
QString SingleLine(QString text);
// Text as a record can hold it: single line, and without the characters the ANSI code page lacks.
QString RecordText(const QString& text);
// Makes the field hold only record text as it enters, typed, pasted, dropped or set from code; the
// caret stays. Characters left out are reported, so the field always shows what will be saved.
void KeepRecordText(QLineEdit* edit, TRefusalReport report);
