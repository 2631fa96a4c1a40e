#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QString>

// Another program changing a library, played by a second process of the test executable itself, so
// that it is a real second writer on every system: "append" adds an area, "touch" gives the file a new
// time and the same bytes, "rewrite" replaces it by a rename with as many bytes, "delete" removes it.
inline const char* const OtherWriterOption = "--other-writer";

// In the second process: does the action; the process's exit status.
inline int RunOtherWriter(const QString& action, const QString& path) {
    if (action == QLatin1String("append")) {
        QFile file(path);
        return file.open(QIODevice::Append) && file.write("[Area.012]\r\nTitle=New\r\nLocal=New\r\n") > 0 ? 0
                                                                                                          : 1;
    }
    if (action == QLatin1String("touch")) {
        QFile file(path);
        return file.open(QIODevice::Append) && file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                                                                QFileDevice::FileModificationTime)
                   ? 0
                   : 1;
    }
    if (action == QLatin1String("rewrite")) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = old.readAll().replace("Title=A", "Title=Z");
        old.close();
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit() ? 0 : 1;
    }
    if (action == QLatin1String("delete"))
        return QFile::remove(path) ? 0 : 1;
    return 2;
}

// In the test: has the second process do the action and wait for it.
inline int OtherWriterDoes(const QString& action, const QString& path) {
    return QProcess::execute(QCoreApplication::applicationFilePath(),
                             {QString::fromLatin1(OtherWriterOption), action, path});
}
