#include "model/library/RestorePoints.h"

#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/library/FolderMemo.h"

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
