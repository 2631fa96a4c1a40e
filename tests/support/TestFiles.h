#pragma once

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <string>

// Files as tests lay them out and read them back, byte for byte.

// The whole file, its folders made first; false when the system refuses.
inline bool WriteBytes(const QString& path, QByteArrayView bytes = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size();
}

// The file's bytes, "<missing>" when it cannot be read.
inline std::string FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

// Each entry of the folder by name with its bytes, a folder as "<folder>".
inline std::map<std::string, std::string> FolderEntries(const QString& folder) {
    std::map<std::string, std::string> entries;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        entries[entry.fileName().toStdString()] = entry.isDir() ? "<folder>" : FileBytes(entry.filePath());
    return entries;
}
