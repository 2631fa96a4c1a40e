#include "platform/AreaFolders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

bool HasDriveLetter(const QString& path) {
    return path.size() >= 2 && path[0].isLetter() && path[1] == u':';
}

} // namespace

#ifdef Q_OS_WIN

TAreaFolderCheck::TAreaFolderCheck(const QString& hostFolder) : FHostFolder(hostFolder) {}

// Windows itself matches names without regard to case; a relative path lies below the host folder.
TAreaFolder TAreaFolderCheck::Resolve(const QString& localPath) {
    if (localPath.isEmpty())
        return {};
    const QString path = QDir::cleanPath(QDir::isAbsolutePath(localPath) || HasDriveLetter(localPath)
                                             ? localPath
                                             : QDir(FHostFolder).filePath(localPath));
    return {QDir::toNativeSeparators(path), QFileInfo(path).isDir()};
}

#else

TAreaFolderCheck::TAreaFolderCheck(const QString& hostFolder)
    : FHostFolder(QDir::cleanPath(hostFolder)), FPrefix(WinePrefixAbove(FHostFolder)) {
    if (FPrefix.isEmpty())
        FPrefix = DefaultWinePrefix();
}

TAreaFolder TAreaFolderCheck::Resolve(const QString& localPath) {
    if (localPath.isEmpty())
        return {};
    // A relative path lies below the host folder and may lead above it; a drive path stops at the
    // drive's root.
    const bool fromRoot = localPath.front() == u'\\' || localPath.front() == u'/';
    if (!HasDriveLetter(localPath) && !fromRoot)
        return Follow(FHostFolder, u"/"_s, localPath);
    std::optional<QString> drive;
    if (fromRoot) {
        // The root of the host folder's own drive.
        const std::optional<QString> hostPath = NativeToWindowsPath(FPrefix, FHostFolder);
        drive = hostPath ? DriveTarget(hostPath->front()) : std::nullopt;
    } else {
        drive = DriveTarget(localPath[0]);
    }
    if (!drive)
        return {localPath, false};
    return Follow(*drive, *drive, fromRoot ? localPath : localPath.mid(2));
}

TAreaFolder TAreaFolderCheck::Follow(const QString& start, const QString& floor, const QString& components) {
    const TFollowedPath followed =
        FollowWindowsPath(start, floor, components, [this](const QString& folder, const QString& name) {
            return Subfolder(folder, name);
        });
    // A path that names no folder below its start is the start itself, which may be missing too.
    const bool exists = followed.Found && (followed.Path != start || QFileInfo(start).isDir());
    return {followed.Path, exists};
}

#endif

std::optional<QString> TAreaFolderCheck::Subfolder(const QString& folder, const QString& name) {
    auto listing = FListings.find(folder);
    if (listing == FListings.end())
        listing = FListings.emplace(folder, TCaseBlindListing(folder, QDir::Dirs)).first;
    return listing->second.Find(name);
}

std::optional<QString> TAreaFolderCheck::DriveTarget(QChar letter) {
    if (!FDrives)
        FDrives = WineDrives(FPrefix);
    const TWineDrive* drive = FindWineDrive(*FDrives, letter);
    return drive ? std::optional<QString>(drive->Target) : std::nullopt;
}
