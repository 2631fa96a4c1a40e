#pragma once

#include "model/scan/ByteSource.h"

#include <memory>
#include <string>
#include <vector>

// The scenery files of the areas' folders, as the simulator finds them. Paths are native, in the
// local 8-bit encoding.
class TSceneryFiles {
public:
    virtual ~TSceneryFiles() = default;
    // The regular .bgl files (any letter case) of the folder's "scenery" subfolder (any letter case),
    // in name order; none when there is no such subfolder.
    virtual std::vector<std::string> BglFiles(const std::string& areaFolder) const = 0;
    // One of the files BglFiles listed, opened for reading; null when it cannot be opened.
    virtual std::unique_ptr<TByteSource> Open(const std::string& path) const = 0;
};
