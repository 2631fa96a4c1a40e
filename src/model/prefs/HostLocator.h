#pragma once

#include <optional>
#include <string>

// What the machine tells about the host: its registry key, read only, and whether a folder holds it.
// Folder texts are native paths in the ANSI code page.
class THostLocator {
public:
    virtual ~THostLocator() = default;
    // The "EXE Path" value of the host's key as a native folder, with or without a trailing separator;
    // empty when the key opens but holds no such value; no value when the key cannot be opened.
    virtual std::optional<std::string> ReadHostKey() const = 0;
    // True when the folder (given with its trailing separator) holds the host program file.
    virtual bool HoldsHost(const std::string& folder) const = 0;
};
