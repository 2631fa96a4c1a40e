#pragma once

#include "model/library/RestorePoints.h"

#include <QDateTime>
#include <QString>
#include <functional>

// The name of the library's own folder below a folder of the user's data: its full path made readable
// and safe for every file system, with a digest of the path itself, so that paths that read alike stay
// apart.
QString LibraryFolderName(const std::string& library);

// The restore points as files: below the folder given, one subfolder per library named after its full
// path, one file per point named after the local date and time of the save ("2026-12-09 23-41-07.cfg",
// "... (2).cfg" for the second in the same second, "... pending.cfg" for a consumed NewScenery.cfg),
// holding the replaced bytes unchanged. Each file is written as every file of the program is: whole or
// not at all.
class TRestorePointFolder : public TRestorePoints {
public:
    static constexpr int KeptPerLibrary = 50;

    // The clock gives the local time of a save.
    explicit TRestorePointFolder(QString folder,
                                 std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    std::string Keep(const std::string& library, const std::string& bytes, bool pending) const override;
    std::vector<TRestorePoint> List(const std::string& library) const override;

    // The library's subfolder, named by LibraryFolderName.
    QString LibraryFolder(const std::string& library) const;

private:
    QString FFolder;
    std::function<QDateTime()> FClock;
};
