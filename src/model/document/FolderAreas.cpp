#include "model/document/FolderAreas.h"

#include <algorithm>

namespace {

// Above the one selected editable row, as Import inserts, else after the last row.
int FolderPosition(const TSelection& selected) {
    const int above = ImportPosition(selected, TInsertPlace::BeforeSelected);
    return above >= ProtectedRows ? above : ImportPosition(selected, TInsertPlace::AtEnd);
}

} // namespace

std::string HostFolderKey(std::string folder) {
    for (char& c : folder)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folder;
}

std::vector<char> AlreadyListed(const std::vector<TChosenFolder>& folders,
                                const std::vector<std::string>& listed) {
    std::vector<std::string> seen;
    seen.reserve(listed.size() + folders.size());
    for (const std::string& folder : listed)
        seen.push_back(HostFolderKey(folder));
    std::sort(seen.begin(), seen.end());
    std::vector<char> flags;
    for (const TChosenFolder& folder : folders) {
        const std::string key = HostFolderKey(folder.Resolved);
        const auto at = std::lower_bound(seen.begin(), seen.end(), key);
        flags.push_back(at != seen.end() && *at == key);
        if (!flags.back())
            seen.insert(at, key);
    }
    return flags;
}

TFolderAdding AddFolderAreas(const TSceneryDocument& document, const TSelection& selected,
                             const std::vector<TChosenFolder>& folders,
                             const std::vector<std::string>& listed) {
    const std::vector<char> known = AlreadyListed(folders, listed);
    std::vector<const TChosenFolder*> fresh;
    for (std::size_t i = 0; i < folders.size(); ++i)
        if (!known[i])
            fresh.push_back(&folders[i]);
    std::stable_sort(fresh.begin(), fresh.end(), [](const TChosenFolder* one, const TChosenFolder* other) {
        return HostFolderKey(one->Resolved) < HostFolderKey(other->Resolved);
    });
    std::vector<TArea> areas(fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        areas[i].Title = fresh[i]->Title;
        areas[i].Local = fresh[i]->Local;
    }
    const std::vector<TDocumentArea> entries = NewEntriesAfterLargest(document, std::move(areas));
    const auto position = static_cast<std::ptrdiff_t>(FolderPosition(selected));
    TFolderAdding adding{{"Add Folders", document, TSelection(document.Areas.size(), 0), selected, {}},
                         static_cast<int>(fresh.size()),
                         static_cast<int>(folders.size() - fresh.size())};
    TDocumentStep& step = adding.Step;
    step.Document.Areas.insert(step.Document.Areas.begin() + position, entries.begin(), entries.end());
    step.Selected.insert(step.Selected.begin() + position, entries.size(), 1);
    step.TouchedAfter = step.Selected;
    return adding;
}
