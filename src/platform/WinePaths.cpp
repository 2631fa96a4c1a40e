#include "platform/WinePaths.h"

#include "platform/CaseBlindNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The real entry of the folder that Windows would open for the name.
std::optional<QString> FindEntry(const QString& folder, const QString& name) {
    return TCaseBlindListing(folder, QDir::AllEntries).Find(name);
}

bool LiesIn(const QString& path, const QString& folder) {
    return path == folder || folder == u"/"_s || path.startsWith(folder + u'/');
}

} // namespace

TFollowedPath FollowWindowsPath(const QString& start, const QString& floor, const QString& components,
                                const TEntryLookup& lookup) {
    static const QRegularExpression separators(u"[\\\\/]"_s);
    TFollowedPath followed{start};
    for (const QString& name : components.split(separators, Qt::SkipEmptyParts)) {
        if (name == u".."_s) {
            if (followed.Path != floor) {
                followed.Path = QFileInfo(followed.Path).path();
            }
            continue;
        }
        if (name == u"."_s) {
            continue;
        }
        // Below a folder that is not there nothing is looked up: the names stay as written.
        const std::optional<QString> real = followed.Found ? lookup(followed.Path, name) : std::nullopt;
        followed.Found = followed.Found && real.has_value();
        followed.Path = Join(followed.Path, real.value_or(name));
    }
    return followed;
}

const TWineDrive* FindWineDrive(const std::vector<TWineDrive>& drives, QChar letter) {
    for (const TWineDrive& drive : drives) {
        if (drive.Letter == letter.toUpper()) {
            return &drive;
        }
    }
    return nullptr;
}

QString DefaultWinePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + u"/.wine"_s : prefix;
}

std::vector<TWineDrive> WineDrives(const QString& prefix) {
    static const QRegularExpression driveName(u"^[A-Za-z]:$"_s);
    const QDir devices(prefix + u"/dosdevices"_s);
    std::vector<TWineDrive> drives;
    for (const QString& name : devices.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (!driveName.match(name).hasMatch()) {
            continue;
        }
        const QFileInfo link(devices.filePath(name));
        const QString target = link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath();
        drives.push_back({name[0].toUpper(), QDir::cleanPath(target)});
    }
    std::sort(drives.begin(), drives.end(),
              [](const TWineDrive& a, const TWineDrive& b) { return a.Letter < b.Letter; });
    return drives;
}

std::optional<QString> WindowsToNativePath(const QString& prefix, const QString& windowsPath) {
    if (windowsPath.size() < 2 || !windowsPath[0].isLetter() || windowsPath[1] != u':') {
        return std::nullopt;
    }
    const auto drives = WineDrives(prefix);
    const TWineDrive* drive = FindWineDrive(drives, windowsPath[0]);
    if (!drive) {
        return std::nullopt;
    }
    QString native = FollowWindowsPath(drive->Target, drive->Target, windowsPath.mid(2), FindEntry).Path;
    if ((windowsPath.endsWith(u'\\') || windowsPath.endsWith(u'/')) && !native.endsWith(u'/')) {
        native += u'/';
    }
    return native;
}

std::optional<QString> NativeToWindowsPath(const QString& prefix, const QString& nativePath) {
    const QString path = QDir::cleanPath(nativePath);
    const TWineDrive* best = nullptr;
    const auto drives = WineDrives(prefix);
    for (const TWineDrive& drive : drives) {
        if (LiesIn(path, drive.Target) && (!best || drive.Target.size() > best->Target.size())) {
            best = &drive;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    QString rest = path.mid(best->Target.size());
    if (rest.startsWith(u'/')) {
        rest.remove(0, 1);
    }
    return QString(best->Letter) + u":\\"_s + rest.replace(u'/', u'\\');
}

QString WinePrefixAbove(const QString& nativePath) {
    QString folder = QDir::cleanPath(nativePath);
    while (!folder.isEmpty()) {
        if (QFileInfo(Join(folder, u"dosdevices"_s)).isDir()) {
            return folder;
        }
        const qsizetype slash = folder == u"/"_s ? -1 : folder.lastIndexOf(u'/');
        folder = slash > 0 ? folder.left(slash) : slash == 0 ? u"/"_s : QString();
    }
    return {};
}
