#include "platform/FileTextOutput.h"

#include "model/InOutError.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace {

// The host's own code for a device failure, used where the system names no cause.
constexpr int DeviceError = 1117;

// The report's codes follow the host's numbering, so the system's error numbers are translated.
int CodeFromErrno(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        return EInOutError::PathNotFound;
    case EMFILE:
    case ENFILE:
        return EInOutError::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return EInOutError::AccessDenied;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return EInOutError::DiskFull;
    case 0:
    case EIO:
        return DeviceError;
    default:
        return errorNumber;
    }
}

} // namespace

TFileTextOutput::TFileTextOutput(const QString& path) : FFile(path) {
    // A folder standing where the file should be would make the final rename fail: refuse it now.
    if (QFileInfo(path).isDir())
        Fail(EISDIR);
    errno = 0;
    if (!FFile.open(QIODevice::WriteOnly)) {
        const int openErrno = errno;
        Fail(QFileInfo(QFileInfo(path).absolutePath()).isDir() ? openErrno : ENOENT);
    }
}

void TFileTextOutput::WriteLine(std::string_view line) {
    WriteBytes(line);
    WriteBytes("\r\n");
}

void TFileTextOutput::WriteBytes(std::string_view bytes) {
    errno = 0;
    const auto length = static_cast<qint64>(bytes.size());
    if (FFile.write(bytes.data(), length) != length)
        Fail(errno);
}

// Qt 6.4's commit() reports success even when its own final flush failed, and then puts the cut-off
// file in place: the buffer is flushed and checked first, so commit() has nothing left to lose.
void TFileTextOutput::Commit() {
    errno = 0;
    if (!FFile.flush() || FFile.error() != QFileDevice::NoError)
        Fail(errno);
    errno = 0;
    if (!FFile.commit())
        Fail(errno);
}

void TFileTextOutput::Fail(int errorNumber) {
    FFile.cancelWriting();
    throw EInOutError(CodeFromErrno(errorNumber));
}
