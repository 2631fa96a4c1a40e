#include "platform/HostFolderText.h"

#include "platform/WinePaths.h"

#include <QDir>

QString HostFolderText(const QString& chosenFolder, const QString& fsPath) {
    const QString folder = QDir::toNativeSeparators(chosenFolder);
    if (!fsPath.isEmpty() && folder.startsWith(fsPath)) {
        return QString(folder.mid(fsPath.size())).replace(u'/', u'\\');
    }
#ifndef Q_OS_WIN
    const QString prefix = WinePrefixAbove(fsPath);
    if (!prefix.isEmpty()) {
        if (auto windowsPath = NativeToWindowsPath(prefix, folder)) {
            return *windowsPath;
        }
    }
#endif
    return folder;
}
