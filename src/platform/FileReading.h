#pragma once

#include <QString>
#include <cstdint>
#include <string>

// Files larger than this are no scenery library: reading stops before memory grows with a stray file.
inline constexpr std::uint64_t MaxReadSize = 64 * 1024 * 1024;

// What reading a whole file gave.
struct TFileBytes {
    enum class TState { Read, Missing, Failed };
    TState State = TState::Missing;
    std::string Bytes;
    // Why an existing file could not be read (UTF-8), when State is Failed.
    std::string Failure;
};

// Reads a regular file whole, up to MaxReadSize bytes. The type is checked before the file is opened,
// and it is opened so that it can never block (a FIFO in its place returns at once).
TFileBytes ReadRegularFile(const QString& path);
