#include "platform/HostFolderText.h"

#include "platform/WinePaths.h"

#include <QDir>

std::optional<QString> HostFolderText(const QString& chosenFolder, const QString& fsPath) {
    const QString folder = QDir::toNativeSeparators(chosenFolder);
#ifdef Q_OS_WIN
    // The folder picker may spell the host folder otherwise than the registry did.
    constexpr Qt::CaseSensitivity hostCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity hostCase = Qt::CaseSensitive;
#endif
    if (!fsPath.isEmpty() && folder.startsWith(fsPath, hostCase)) {
        return QString(folder.mid(fsPath.size())).replace(u'/', u'\\');
    }
#ifndef Q_OS_WIN
    const QString prefix = WinePrefixAbove(fsPath);
    if (!prefix.isEmpty()) {
        if (auto windowsPath = NativeToWindowsPath(prefix, folder)) {
            return *windowsPath;
        }
    }
    return std::nullopt;
#else
    return folder;
#endif
}
