#pragma once

#include "model/scan/SceneryFiles.h"

// The scenery files on this machine's disk.
class TSystemSceneryFiles : public TSceneryFiles {
public:
    std::vector<std::string> BglFiles(const std::string& areaFolder) const override;
    std::unique_ptr<TByteSource> Open(const std::string& path) const override;
};
