#pragma once

#include <cstdint>
#include <string>

// What a file held when the program last read or wrote it, so that a save can tell whether another
// program (an add-on installer, the host's own scenery dialog) has changed it since.
struct TFileStamp {
    enum class TState { Missing, Read, Unreadable };
    TState State = TState::Missing;
    std::uint64_t Size = 0;
    // Nanoseconds since the epoch.
    std::int64_t ModifiedNs = 0;
    // A digest of the bytes; empty unless State is Read.
    std::string Hash;

    // The file is as recorded: both missing, or both read with the same bytes. A new time alone (a
    // touch) changes nothing; a file that cannot be read is never taken for unchanged.
    bool SameContentAs(const TFileStamp& other) const;
    // Size and time as recorded: a cheap look that cannot see a same-size rewrite within one tick of
    // the file system's clock, so it may only spare a byte comparison where a miss costs nothing.
    bool SameSizeAndTimeAs(const TFileStamp& other) const;
};
