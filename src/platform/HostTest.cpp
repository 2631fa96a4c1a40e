#include "platform/HostTest.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

#ifdef Q_OS_WIN
bool FileExistsIgnoringCase(const QString& path) {
    return QFileInfo(path).isFile();
}
#else
bool FileExistsIgnoringCase(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString folder = slash < 0 ? u"."_s : path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    return files.contains(name, Qt::CaseInsensitive);
}
#endif

bool FolderHoldsHost(const QString& folder) {
    return FileExistsIgnoringCase(folder + u"FS9.exe"_s);
}
