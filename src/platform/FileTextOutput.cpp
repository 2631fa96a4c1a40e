#include "platform/FileTextOutput.h"

#include "model/format/InOutError.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

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

#ifdef Q_OS_WIN
// Qt's file engine calls the Win32 API, which leaves its cause in the thread's last error; the host's
// codes are Windows' own, but for the two kinds of a full disk.
void ClearSystemError() {
    SetLastError(ERROR_SUCCESS);
}
int SystemErrorCode() {
    const DWORD error = GetLastError();
    switch (error) {
    case ERROR_SUCCESS:
        return DeviceError;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return EInOutError::DiskFull;
    default:
        return static_cast<int>(error);
    }
}
#else
void ClearSystemError() {
    errno = 0;
}
int SystemErrorCode() {
    return CodeFromErrno(errno);
}
#endif

// The system's words for the last failure, taken before anything else can overwrite them; Qt's own
// where the system named none (Qt refuses some writes before any system call).
QString SystemReason(const QFileDevice& file) {
#ifdef Q_OS_WIN
    const bool named = GetLastError() != ERROR_SUCCESS;
#else
    const bool named = errno != 0;
#endif
    if (named)
        return qt_error_string(-1);
    return file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("device error");
}

// Qt refuses a read-only file itself, before any system call, and its clean-up after a failed rename
// can clear the system's cause: where none is named, a read-only file in the way is what refused it.
int ReplaceFailureCode(const QString& path) {
    const int code = SystemErrorCode();
    const QFileInfo target(path);
    return code == DeviceError && target.exists() && !target.isWritable() ? int(EInOutError::AccessDenied)
                                                                          : code;
}

} // namespace

TFileTextOutput::TFileTextOutput(const QString& path) : FFile(path) {
    // A folder standing where the file should be would make the final rename fail: refuse it now.
    if (QFileInfo(path).isDir())
        Fail(CodeFromErrno(EISDIR), QStringLiteral("a folder stands in its place"));
    ClearSystemError();
    if (!FFile.open(QIODevice::WriteOnly)) {
        const QString reason = SystemReason(FFile);
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo(folder).isDir())
            Fail(EInOutError::PathNotFound, reason);
        // The new file is made beside the old one first: where the system refuses that, the folder is
        // what refused, even when the file itself exists (as under /proc).
        const bool systemSaid = !reason.isEmpty() && SystemErrorCode() != DeviceError;
        Fail(ReplaceFailureCode(path), systemSaid ? u"no new file can be made in "_s +
                                                        QDir::toNativeSeparators(folder) + u": "_s + reason
                                                  : reason);
    }
}

void TFileTextOutput::WriteLine(std::string_view line) {
    WriteBytes(line);
    WriteBytes("\r\n");
}

void TFileTextOutput::WriteBytes(std::string_view bytes) {
    ClearSystemError();
    const auto length = static_cast<qint64>(bytes.size());
    if (FFile.write(bytes.data(), length) != length)
        Fail(SystemErrorCode(), SystemReason(FFile));
}

// Qt 6.4's commit() reports success even when its own final flush failed, and then puts the cut-off
// file in place: the buffer is flushed and checked first, so commit() has nothing left to lose.
void TFileTextOutput::Commit() {
    ClearSystemError();
    if (!FFile.flush() || FFile.error() != QFileDevice::NoError)
        Fail(SystemErrorCode(), SystemReason(FFile));
    ClearSystemError();
    if (!FFile.commit()) {
        const QString reason = SystemReason(FFile);
        Fail(ReplaceFailureCode(FFile.fileName()), reason);
    }
}

void TFileTextOutput::Fail(int code, const QString& reason) {
    FFile.cancelWriting();
    throw EInOutError(code, reason.toStdString());
}
