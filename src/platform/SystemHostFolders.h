#pragma once

#include "model/library/HostFolders.h"

// The host's folders on this machine: on Windows its own paths, elsewhere the Wine prefix's.
class TSystemHostFolders : public THostFolders {
public:
    std::unique_ptr<TFolderCheck> StartCheck(const std::string& hostFolder) const override;
    std::optional<std::string> FolderText(const std::string& chosenFolder,
                                          const std::string& hostFolder) const override;
    std::vector<std::string> FindSceneryFolders(const std::string& folder) const override;
    bool HoldsSceneryFolder(const std::string& folder) const override;
};
