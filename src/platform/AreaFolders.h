#pragma once

#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/CaseBlindNames.h"
#include "platform/WinePaths.h"

// Where the host finds an area's folder, and whether it is there.
struct TAreaFolder {
    // The native folder, each component spelt as found on the disk (as written from the first one
    // that is not there); empty for an empty Local Path.
    QString Path;
    bool Exists = false;
};

// Resolves Local Paths as the host does: a relative one below the host folder, an absolute one as it
// stands. Elsewhere than on Windows the host runs under Wine: drive letters lead through the drive
// links of the prefix that holds the host folder (else $WINEPREFIX or ~/.wine), and every component
// is matched without regard to letter case. One object serves one check of many areas: each folder's
// listing is read once, however many areas lie in it.
class TAreaFolderCheck {
public:
    // The host folder as Prefs hold it, native, with or without its trailing separator.
    explicit TAreaFolderCheck(const QString& hostFolder);

    TAreaFolder Resolve(const QString& localPath);

private:
    // The real spelling of a subfolder (links to folders included); the folder's listing is read at
    // the first need.
    std::optional<QString> Subfolder(const QString& folder, const QString& name);
    // The components followed from start, case-blind through the cached listings.
    TAreaFolder Follow(const QString& start, const QString& floor, const QString& components);
    std::optional<QString> DriveTarget(QChar letter);

    QString FHostFolder;
    QString FPrefix;
    std::optional<std::vector<TWineDrive>> FDrives;
    std::unordered_map<QString, TCaseBlindListing> FListings;
};
