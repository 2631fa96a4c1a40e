#include "platform/WinePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The real entry of the folder that Windows would open for the name: the exact one, else the first
// that differs only in case; the name itself when there is none.
QString FindEntry(const QString& folder, const QString& name) {
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (entries.contains(name)) {
        return name;
    }
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

const TWineDrive* FindDrive(const std::vector<TWineDrive>& drives, QChar letter) {
    for (const TWineDrive& drive : drives) {
        if (drive.Letter == letter.toUpper()) {
            return &drive;
        }
    }
    return nullptr;
}

bool LiesIn(const QString& path, const QString& folder) {
    return path == folder || folder == u"/"_s || path.startsWith(folder + u'/');
}

} // namespace

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
    const TWineDrive* drive = FindDrive(drives, windowsPath[0]);
    if (!drive) {
        return std::nullopt;
    }
    static const QRegularExpression separators(u"[\\\\/]"_s);
    QStringList components;
    for (const QString& name : windowsPath.mid(2).split(separators, Qt::SkipEmptyParts)) {
        if (name == u".."_s) {
            if (!components.isEmpty()) {
                components.removeLast();
            }
        } else if (name != u"."_s) {
            const QString folder =
                components.isEmpty() ? drive->Target : Join(drive->Target, components.join(u'/'));
            components.append(FindEntry(folder, name));
        }
    }
    QString native = components.isEmpty() ? drive->Target : Join(drive->Target, components.join(u'/'));
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
