#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A Wine prefix built in a temporary folder: drive links, folders and a system.reg of the test's choosing.
class TWinePrefixBuilder {
public:
    TWinePrefixBuilder() { QDir(Root()).mkpath(QStringLiteral("pfx/dosdevices")); }

    QString Root() const { return FTemp.path(); }
    QString Prefix() const { return Root() + QStringLiteral("/pfx"); }

    // Links dosdevices/<name> to the target as written (relative to dosdevices or absolute).
    void LinkDrive(const QString& name, const QString& target) const {
        QFile::link(target, Prefix() + QStringLiteral("/dosdevices/") + name);
    }
    // The standard C: drive, drive_c beside dosdevices.
    void AddDriveC() const {
        QDir(Prefix()).mkpath(QStringLiteral("drive_c"));
        LinkDrive(QStringLiteral("c:"), QStringLiteral("../drive_c"));
    }
    // Creates a folder (and an empty file in it when fileName is given) below the root.
    QString MakeFolder(const QString& relative, const QString& fileName = QString()) const {
        const QString folder = Root() + u'/' + relative;
        QDir().mkpath(folder);
        if (!fileName.isEmpty())
            WriteBytes(folder + u'/' + fileName);
        return folder;
    }
    void WriteSystemReg(const QByteArray& body) const {
        WriteBytes(Prefix() + QStringLiteral("/system.reg"),
                   "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n" + body);
    }

private:
    QTemporaryDir FTemp;
};
