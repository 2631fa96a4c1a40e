#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A drive of a Wine prefix: the letter (upper case) and the native folder its dosdevices link leads to.
struct TWineDrive {
    QChar Letter;
    QString Target;
};

// The real spelling of a name in a native folder as Windows would open it, or no value when the folder
// holds nothing of that name.
using TEntryLookup = std::function<std::optional<QString>(const QString& folder, const QString& name)>;

// Where a Windows path leads below a native folder.
struct TFollowedPath {
    // Each component in its real spelling; from the first one not found, as written.
    QString Path;
    // Every component named was found.
    bool Found = true;
};

// Follows the components of a Windows path (separators \ or /) from the native folder start: "." stays,
// ".." goes up but never above floor, every other name is looked up.
TFollowedPath FollowWindowsPath(const QString& start, const QString& floor, const QString& components,
                                const TEntryLookup& lookup);

// The prefix's drive with this letter, matched without regard to case; none when it has no such drive.
const TWineDrive* FindWineDrive(const std::vector<TWineDrive>& drives, QChar letter);

// The Wine prefix of the current user: $WINEPREFIX, default ~/.wine.
QString DefaultWinePrefix();
// The drive links of the prefix's dosdevices folder, in letter order; a letter matched without regard to
// case.
std::vector<TWineDrive> WineDrives(const QString& prefix);
// The native path of a Windows path ("C:\Program Files\FS9\") inside the prefix, each component found
// without regard to case among the real folder entries, as Windows would; a component that does not
// exist is kept as written. A trailing separator is kept. No value for a path without a drive letter
// or with a drive the prefix lacks.
std::optional<QString> WindowsToNativePath(const QString& prefix, const QString& windowsPath);
// The Windows path ("D:\Scenery\Alps") of a native path, through the drive whose target is the longest
// leading part of it; no value when no drive leads there.
std::optional<QString> NativeToWindowsPath(const QString& prefix, const QString& nativePath);
// The Wine prefix a native path lies in: the nearest folder at or above it holding dosdevices;
// empty when there is none.
QString WinePrefixAbove(const QString& nativePath);
