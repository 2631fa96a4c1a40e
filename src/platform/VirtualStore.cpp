#include "platform/VirtualStore.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

QString WindowsForm(const QString& path) {
    QString form = QDir::toNativeSeparators(path);
    form.replace(u'/', u'\\');
    return form.endsWith(u'\\') ? form : form + u'\\';
}

bool HasDrive(const QString& path) {
    return path.size() >= 3 && path[0].isLetter() && path[1] == u':' && path[2] == u'\\';
}

} // namespace

QString VirtualStoreFolder(const QString& hostFolder, const QStringList& protectedFolders,
                           const QString& localAppData) {
    const QString host = WindowsForm(hostFolder);
    if (!HasDrive(host) || localAppData.isEmpty())
        return {};
    for (const QString& folder : protectedFolders) {
        if (folder.isEmpty())
            continue;
        if (host.startsWith(WindowsForm(folder), Qt::CaseInsensitive))
            return WindowsForm(localAppData) + u"VirtualStore\\"_s + host.mid(3);
    }
    return {};
}

#ifdef Q_OS_WIN
QString SystemVirtualStoreFolder(const QString& hostFolder) {
    const QStringList protectedFolders = {
        qEnvironmentVariable("ProgramFiles"), qEnvironmentVariable("ProgramFiles(x86)"),
        qEnvironmentVariable("ProgramW6432"), qEnvironmentVariable("SystemRoot")};
    return VirtualStoreFolder(hostFolder, protectedFolders, qEnvironmentVariable("LOCALAPPDATA"));
}
#else
QString SystemVirtualStoreFolder(const QString&) {
    return {};
}
#endif
