#include "model/library/RestorePoints.h"

#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/library/HostFolders.h"

#include <unordered_map>

namespace {

// The check's answer for each Local Path text, asked once however many points hold the text.
class TFolderMemo {
public:
    explicit TFolderMemo(TFolderCheck& check) : Check(check) {}

    std::vector<std::string> Folders(const TSceneryDocument& document) {
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

private:
    TFolderCheck& Check;
    std::unordered_map<std::string, std::string> Resolved;
};

} // namespace

std::vector<TRestorePointReview> ReviewRestorePoints(const std::vector<TRestorePoint>& points,
                                                     const TFileAccess& files, const TSceneryDocument& now,
                                                     TFolderCheck& check) {
    TFolderMemo memo(check);
    const std::vector<std::string> nowFolders = memo.Folders(now);
    std::vector<TRestorePointReview> reviews;
    for (const TRestorePoint& point : points) {
        TRestorePointReview review{point, {}, 0, {}};
        const TProfileRead read = files.ReadProfile(point.File);
        if (read.Failure.empty()) {
            const TSceneryDocument document = ReadDocument(*read.Profile);
            const std::vector<std::string> folders = memo.Folders(document);
            review.Areas = document.Count();
            review.Difference = CompareLibraries({now, nowFolders}, {document, folders});
        } else {
            review.Failure = read.Failure;
        }
        reviews.push_back(std::move(review));
    }
    return reviews;
}
