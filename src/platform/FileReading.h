#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

// Files larger than this are no scenery library: reading stops before memory grows with a stray file.
inline constexpr std::uint64_t MaxReadSize = 64 * 1024 * 1024;

// What reading a whole file gave.
struct TFileBytes {
    enum class TState { Read, Missing, Failed };
    TState State = TState::Missing;
    std::string Bytes;
    // The modification time of the file read, in nanoseconds since the epoch.
    std::int64_t ModifiedNs = 0;
    // Why an existing file could not be read (UTF-8), when State is Failed.
    std::string Failure;
};

// Reads a regular file whole, up to MaxReadSize bytes. The type is checked before the file is opened,
// and it is opened so that it can never block (a FIFO in its place returns at once).
TFileBytes ReadRegularFile(const QString& path);
struct TSizeAndTime {
    std::uint64_t Size = 0;
    std::int64_t ModifiedNs = 0;
};
// The size and modification time of a regular file; no value for anything else or nothing.
std::optional<TSizeAndTime> RegularFileSizeAndTime(const QString& path);
