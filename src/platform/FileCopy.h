#pragma once

#include <QString>

// Copies a file over an existing one. The target is replaced only once the copy is complete, so a
// failure part way leaves the old target whole. False when anything fails (a missing source too).
bool CopyFileReplacing(const QString& source, const QString& target);
