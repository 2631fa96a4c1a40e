#include "platform/FileReading.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

TFileBytes Failed(std::string reason) {
    return {TFileBytes::TState::Failed, {}, 0, std::move(reason)};
}

} // namespace

#ifdef Q_OS_WIN

namespace {
std::int64_t ModifiedNs(const QFileInfo& info) {
    return info.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch() * 1000000;
}
} // namespace

// Windows has no FIFOs in the file system; the type and size are checked by name, the size again by
// reading one byte past the cap.
TFileBytes ReadRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isFile())
        return Failed("not a regular file");
    if (static_cast<std::uint64_t>(info.size()) > MaxReadSize)
        return Failed("larger than 64 MiB");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failed(file.errorString().toStdString());
    const QByteArray bytes = file.read(static_cast<qint64>(MaxReadSize) + 1);
    if (file.error() != QFileDevice::NoError)
        return Failed(file.errorString().toStdString());
    if (static_cast<std::uint64_t>(bytes.size()) > MaxReadSize)
        return Failed("larger than 64 MiB");
    return {TFileBytes::TState::Read, bytes.toStdString(), ModifiedNs(info), {}};
}

std::optional<TSizeAndTime> RegularFileSizeAndTime(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return TSizeAndTime{static_cast<std::uint64_t>(info.size()), ModifiedNs(info)};
}

#else

namespace {

TFileBytes FailedWithErrno(int errorNumber) {
    return Failed(std::strerror(errorNumber));
}

// The checks every candidate passes twice: by name before opening, by descriptor after.
std::string ReasonAgainst(const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    if (static_cast<std::uint64_t>(info.st_size) > MaxReadSize)
        return "larger than 64 MiB";
    return {};
}

std::int64_t ModifiedNs(const struct stat& info) {
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// Reads up to one byte past the cap, so a file that grew after its size was checked is still refused.
TFileBytes ReadOpened(int fd, std::uint64_t expected) {
    TFileBytes result{TFileBytes::TState::Read, {}, 0, {}};
    result.Bytes.resize(static_cast<std::size_t>(expected) + 1);
    std::size_t filled = 0;
    for (;;) {
        if (filled == result.Bytes.size()) {
            if (filled > MaxReadSize)
                return Failed("larger than 64 MiB");
            result.Bytes.resize(std::min<std::uint64_t>(filled * 2, MaxReadSize + 1));
        }
        const ssize_t got = ::read(fd, result.Bytes.data() + filled, result.Bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FailedWithErrno(errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    result.Bytes.resize(filled);
    return result;
}

} // namespace

TFileBytes ReadRegularFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? TFileBytes{} : FailedWithErrno(errno);
    if (std::string reason = ReasonAgainst(info); !reason.empty())
        return Failed(std::move(reason));
    // Non-blocking: a FIFO put in the file's place after the check still cannot stall the program.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FailedWithErrno(errno);
    TFileBytes result;
    if (::fstat(fd, &info) != 0)
        result = FailedWithErrno(errno);
    else if (std::string reason = ReasonAgainst(info); !reason.empty())
        result = Failed(std::move(reason));
    else
        result = ReadOpened(fd, static_cast<std::uint64_t>(info.st_size));
    ::close(fd);
    result.ModifiedNs = ModifiedNs(info);
    return result;
}

std::optional<TSizeAndTime> RegularFileSizeAndTime(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return TSizeAndTime{static_cast<std::uint64_t>(info.st_size), ModifiedNs(info)};
}

#endif
