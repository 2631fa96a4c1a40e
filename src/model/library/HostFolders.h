#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Where the host finds an area's folder, and whether it is there.
struct TFolderFound {
    // The native folder in the local 8-bit encoding, each component spelt as found on the disk; empty
    // for an empty Local Path.
    std::string Path;
    bool Exists = false;
};

// One check of many areas' folders: each folder's listing is read once, however many areas lie in it.
class TFolderCheck {
public:
    virtual ~TFolderCheck() = default;
    // The Local Path as the area keeps it, in the ANSI code page.
    virtual TFolderFound Resolve(const std::string& localPath) = 0;
};

// What the windows need to know of the host's folders. Host folders are native, in the local 8-bit
// encoding, with their trailing separator.
class THostFolders {
public:
    virtual ~THostFolders() = default;
    // Resolves Local Paths as the host does: a relative one below the host folder, an absolute one as
    // it stands.
    virtual std::unique_ptr<TFolderCheck> StartCheck(const std::string& hostFolder) const = 0;
    // The text (ANSI code page) an area keeps for a chosen folder: relative to the host folder when it
    // lies below it, else the path in the host's own form; none when the host cannot reach the folder.
    virtual std::optional<std::string> FolderText(const std::string& chosenFolder,
                                                  const std::string& hostFolder) const = 0;
    // The folders one and two levels below this one that hold a "scenery" subfolder (any letter case)
    // with at least one .bgl file: the add-ons unpacked there, not searched inside. Each folder is read
    // at most once.
    virtual std::vector<std::string> FindSceneryFolders(const std::string& folder) const = 0;
    // The folder holds a "scenery" subfolder in any letter case.
    virtual bool HoldsSceneryFolder(const std::string& folder) const = 0;
};
