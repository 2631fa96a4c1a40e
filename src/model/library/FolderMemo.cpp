#include "model/library/FolderMemo.h"

#include "model/library/HostFolders.h"

std::vector<std::string> TFolderMemo::Folders(const TSceneryDocument& document) {
    std::vector<std::string> folders;
    folders.reserve(document.Areas.size());
    for (const TDocumentArea& entry : document.Areas) {
        const auto [at, isNew] = Resolved.try_emplace(entry.Area->Local);
        if (isNew)
            at->second = Check.Resolve(entry.Area->Local).Path;
        folders.push_back(at->second);
    }
    return folders;
}
