#pragma once

#include <QString>
#include <optional>

// The text an area keeps for a folder chosen in the folder picker: relative to the host folder when it
// lies below it (fsPath, with its trailing separator, is cut off), else the full path. The host reads
// these texts, so where the native separator is '/' they take the host's Windows form: '\' between
// components, and a folder outside the host folder becomes its Windows path through the drive links
// of the Wine prefix the host folder lies in; none when no drive of that prefix leads there, or there
// is no prefix: the host could not read a native path.
std::optional<QString> HostFolderText(const QString& chosenFolder, const QString& fsPath);
