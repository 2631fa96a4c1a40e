#include "model/library/LibraryChoice.h"

#include "model/library/FileNameCase.h"

#include <algorithm>

namespace {

std::string SpeltAsFound(const std::vector<std::string>& names, const std::string& wanted) {
    const std::string found = FindEntry(names, wanted);
    return found.empty() ? wanted : found;
}

} // namespace

// The host folder ends in its separator.
std::string AddOnFolder(const std::string& hostFolder) {
    return hostFolder + "Addon Scenery";
}

const char* LibraryKindWord(TLibraryKind kind) {
    switch (kind) {
    case TLibraryKind::Pending:
        return "pending";
    case TLibraryKind::PerUser:
        return "per-user";
    case TLibraryKind::Plain:
        break;
    }
    return "plain";
}

TLibraryKind TLibraryChoice::Kind() const {
    if (!Pending.empty())
        return TLibraryKind::Pending;
    return PerUser ? TLibraryKind::PerUser : TLibraryKind::Plain;
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

std::string FindEntry(const std::vector<std::string>& names, const std::string& wanted) {
    if (std::find(names.begin(), names.end(), wanted) != names.end())
        return wanted;
    std::string first;
    for (const std::string& name : names)
        if (SameFileName(name, wanted) && (first.empty() || name < first))
            first = name;
    return first;
}

TLibraryChoice ChooseLibrary(const std::string& hostFolder, const std::vector<std::string>& hostNames,
                             const std::string& perUserFolder, const std::vector<std::string>& perUserNames) {
    const bool perUser = !perUserFolder.empty() && (!FindEntry(perUserNames, LibraryFileName).empty() ||
                                                    !FindEntry(perUserNames, PendingFileName).empty());
    const std::string& folder = perUser ? perUserFolder : hostFolder;
    const std::vector<std::string>& names = perUser ? perUserNames : hostNames;
    const std::string pending = FindEntry(names, PendingFileName);
    return {folder, folder + SpeltAsFound(names, LibraryFileName),
            pending.empty() ? std::string() : folder + pending, folder + SpeltAsFound(names, BackupFileName),
            perUser};
}
