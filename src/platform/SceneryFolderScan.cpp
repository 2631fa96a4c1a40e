#include "platform/SceneryFolderScan.h"

#include "model/library/FileNameCase.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// What one read of a folder tells: its subfolders, whether it holds a .bgl file, and its scenery folder.
struct TListing {
    std::vector<fs::path> Folders;
    bool HasBgl = false;
    std::optional<fs::path> Scenery;
};

TListing List(const fs::path& folder) {
    TListing listing;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            listing.Folders.push_back(it->path());
            if (!listing.Scenery && SameFileName(it->path().filename().string(), "scenery"))
                listing.Scenery = it->path();
        } else if (!listing.HasBgl && SameFileName(it->path().extension().string(), ".bgl")) {
            listing.HasBgl = it->is_regular_file(typeError);
        }
    }
    return listing;
}

} // namespace

// An add-on is not searched inside: its subfolders are its own scenery and textures.
std::vector<fs::path> FindSceneryFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const fs::path& first : List(folder).Folders) {
        const TListing listing = List(first);
        if (listing.Scenery && List(*listing.Scenery).HasBgl) {
            found.push_back(first);
            continue;
        }
        for (const fs::path& second : listing.Folders) {
            const TListing inner = List(second);
            if (inner.Scenery && List(*inner.Scenery).HasBgl)
                found.push_back(second);
        }
    }
    return found;
}

bool HoldsSceneryFolder(const fs::path& folder) {
    return List(folder).Scenery.has_value();
}
