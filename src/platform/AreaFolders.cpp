#include "platform/AreaFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

#ifndef Q_OS_WIN
QString Join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}
#endif

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
    static const QRegularExpression separators(u"[\\\\/]"_s);
    QString rest = localPath;
    std::optional<QString> base;
    if (HasDriveLetter(localPath)) {
        base = DriveTarget(localPath[0]);
        rest = localPath.mid(2);
    } else if (localPath.front() == u'\\' || localPath.front() == u'/') {
        // The root of the host folder's own drive.
        const std::optional<QString> hostPath = NativeToWindowsPath(FPrefix, FHostFolder);
        base = hostPath ? DriveTarget(hostPath->front()) : std::nullopt;
    } else {
        base = FHostFolder;
    }
    if (!base)
        return {localPath, false};
    static const TListing nothing;
    QString folder = *base;
    bool found = true;
    bool named = false;
    for (const QString& name : rest.split(separators, Qt::SkipEmptyParts)) {
        if (name == u"."_s)
            continue;
        if (name == u".."_s) {
            folder = QFileInfo(folder).path();
            continue;
        }
        named = true;
        // A folder that is not there has no listing: the names below it stay as written.
        const TListing& listing = found ? Subfolders(folder) : nothing;
        if (listing.Exact.contains(name)) {
            folder = Join(folder, name);
        } else if (const auto real = listing.Folded.constFind(name.toCaseFolded());
                   real != listing.Folded.cend()) {
            folder = Join(folder, *real);
        } else {
            found = false;
            folder = Join(folder, name);
        }
    }
    return {folder, named ? found : QFileInfo(folder).isDir()};
}

#endif

const TAreaFolderCheck::TListing& TAreaFolderCheck::Subfolders(const QString& folder) {
    const auto [entry, added] = FListings.try_emplace(folder);
    if (added) {
        for (const QString& name :
             QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            entry->second.Exact.insert(name);
            // Of names that differ only in case, the first in name order answers, as under Wine.
            const QString folded = name.toCaseFolded();
            if (!entry->second.Folded.contains(folded))
                entry->second.Folded.insert(folded, name);
        }
    }
    return entry->second;
}

std::optional<QString> TAreaFolderCheck::DriveTarget(QChar letter) {
    if (!FDrives)
        FDrives = WineDrives(FPrefix);
    for (const TWineDrive& drive : *FDrives)
        if (drive.Letter == letter.toUpper())
            return drive.Target;
    return std::nullopt;
}
