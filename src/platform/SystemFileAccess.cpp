#include "platform/SystemFileAccess.h"

#include "model/format/IniProfile.h"
#include "platform/AnsiCodec.h"
#include "platform/CaseBlindNames.h"
#include "platform/FileCopy.h"
#include "platform/FileReading.h"
#include "platform/FileTextOutput.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString NativePath(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

// The digest only has to tell one version of a file from the next, so the quickest of Qt's will do.
TFileStamp StampOf(const TFileBytes& read) {
    switch (read.State) {
    case TFileBytes::TState::Missing:
        return {};
    case TFileBytes::TState::Failed:
        return {TFileStamp::TState::Unreadable, 0, 0, {}};
    case TFileBytes::TState::Read:
        break;
    }
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(read.Bytes.data(), static_cast<qsizetype>(read.Bytes.size())),
                                 QCryptographicHash::Sha1);
    return {TFileStamp::TState::Read, read.Bytes.size(), read.ModifiedNs, hash.toStdString()};
}

} // namespace

TProfileRead TSystemFileAccess::ReadProfile(const std::string& path) const {
    TFileBytes read = ReadRegularFile(NativePath(path));
    TFileStamp stamp = StampOf(read);
    return {TIniProfile::FromBytes(std::move(read.Bytes), Utf16ToAnsi), std::move(read.Failure),
            std::move(stamp)};
}

TFileRead TSystemFileAccess::ReadBytes(const std::string& path) const {
    TFileBytes read = ReadRegularFile(NativePath(path));
    return {read.State != TFileBytes::TState::Missing, std::move(read.Bytes), std::move(read.Failure)};
}

std::unique_ptr<TCommittingOutput> TSystemFileAccess::CreateOutput(const std::string& path) const {
    return std::make_unique<TFileTextOutput>(NativePath(path));
}

bool TSystemFileAccess::CopyReplacing(const std::string& source, const std::string& target) const {
    return CopyFileReplacing(NativePath(source), NativePath(target));
}

std::string TSystemFileAccess::ExistingSpelling(const std::string& path) const {
    return ExistingFileSpelling(NativePath(path)).toLocal8Bit().toStdString();
}

bool TSystemFileAccess::InOneFolder(const std::string& one, const std::string& other) const {
    return QFileInfo(NativePath(one)).absoluteDir() == QFileInfo(NativePath(other)).absoluteDir();
}

TFileStamp TSystemFileAccess::Stamp(const std::string& path, const TFileStamp* known) const {
    if (known) {
        const std::optional<TSizeAndTime> now = RegularFileSizeAndTime(NativePath(path));
        if (now && known->SameSizeAndTimeAs({TFileStamp::TState::Read, now->Size, now->ModifiedNs, {}}))
            return *known;
    }
    return StampOf(ReadRegularFile(NativePath(path)));
}

std::vector<std::string> TSystemFileAccess::Names(const std::string& folder) const {
    std::vector<std::string> names;
    for (const QString& name :
         QDir(NativePath(folder))
             .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        names.push_back(name.toLocal8Bit().toStdString());
    return names;
}

void TSystemFileAccess::MakeFolders(const std::string& folder) const {
    QDir().mkpath(NativePath(folder));
}

std::string TSystemFileAccess::Remove(const std::string& path) const {
    QFile file(NativePath(path));
    if (file.remove() || !QFileInfo::exists(file.fileName()))
        return {};
    return file.errorString().toStdString();
}

bool TSystemFileAccess::IsReadOnly(const std::string& path) const {
    const QFileInfo file(NativePath(path));
    return file.isFile() && !file.isWritable();
}
