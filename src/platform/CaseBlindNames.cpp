#include "platform/CaseBlindNames.h"

#include "model/library/FileNameCase.h"

#include <QFileInfo>
#include <algorithm>

QString CaseBlindKey(const QString& name) {
    QString key = name;
    for (QChar& unit : key)
        unit = QChar(FileNameUpperCase(unit.unicode()));
    return key;
}

TCaseBlindListing::TCaseBlindListing(const QString& folder, QDir::Filters kinds) {
    QStringList names =
        QDir(folder).entryList(kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    // Code unit order, so that of names that differ only in case the same one answers on every machine.
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
        FExact.insert(name);
        const QString key = CaseBlindKey(name);
        if (!FByKey.contains(key))
            FByKey.insert(key, name);
    }
}

std::optional<QString> TCaseBlindListing::Find(const QString& name) const {
    if (FExact.contains(name))
        return name;
    const auto real = FByKey.constFind(CaseBlindKey(name));
    return real == FByKey.cend() ? std::nullopt : std::optional<QString>(*real);
}

#ifdef Q_OS_WIN
QString ExistingFileSpelling(const QString& path) {
    return path;
}
#else
QString ExistingFileSpelling(const QString& path) {
    const QFileInfo info(path);
    const std::optional<QString> real =
        TCaseBlindListing(info.path(), QDir::AllEntries).Find(info.fileName());
    return !real || *real == info.fileName() ? path : path.left(path.size() - info.fileName().size()) + *real;
}
#endif
