#pragma once

#include <QString>

// Copies a regular file over an existing one. The target is replaced only once the copy has fully
// reached the disk, so a failure part way leaves the old target whole. False when anything fails (a
// missing or unreadable source too).
bool CopyFileReplacing(const QString& source, const QString& target);
