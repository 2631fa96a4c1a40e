#include "platform/HostTest.h"

#include "platform/CaseBlindNames.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

#ifdef Q_OS_WIN
bool FileExistsIgnoringCase(const QString& path) {
    return QFileInfo(path).isFile();
}
#else
bool FileExistsIgnoringCase(const QString& path) {
    const QFileInfo info(path);
    return TCaseBlindListing(info.path(), QDir::Files).Find(info.fileName()).has_value();
}
#endif

bool FolderHoldsHost(const QString& folder) {
    return FileExistsIgnoringCase(folder + u"FS9.exe"_s);
}
