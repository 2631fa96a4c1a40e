#pragma once

#include <QString>

class QLineEdit;

// Text bound for a record's line: each CR, LF and NUL becomes a blank, so it cannot split the line.
QString SingleLine(QString text);
// Makes the field replace them as they enter, typed, pasted, dropped or set from code; the caret stays.
void KeepSingleLine(QLineEdit* edit);
