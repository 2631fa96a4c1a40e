#include "platform/FileReading.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TFileBytes Failed(std::string reason) {
    return {TFileBytes::TState::Failed, {}, std::move(reason)};
}

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

// Reads up to one byte past the cap, so a file that grew after its size was checked is still refused.
TFileBytes ReadOpened(int fd, std::uint64_t expected) {
    TFileBytes result{TFileBytes::TState::Read, {}, {}};
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
    return result;
}
