#include "platform/SystemFileAccess.h"

#include "platform/CaseBlindNames.h"
#include "platform/FileCopy.h"
#include "platform/FileReading.h"
#include "platform/FileTextOutput.h"
#include "platform/IniProfile.h"

#include <QCryptographicHash>

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
    return {TIniProfile::FromBytes(std::move(read.Bytes)), std::move(read.Failure), std::move(stamp)};
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

TFileStamp TSystemFileAccess::Stamp(const std::string& path, const TFileStamp* known) const {
    if (known) {
        const std::optional<TSizeAndTime> now = RegularFileSizeAndTime(NativePath(path));
        if (now && known->SameSizeAndTimeAs({TFileStamp::TState::Read, now->Size, now->ModifiedNs, {}}))
            return *known;
    }
    return StampOf(ReadRegularFile(NativePath(path)));
}
