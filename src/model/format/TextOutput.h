#pragma once

#include <string_view>

// Where the writer puts its lines. Every implementation checks each write and throws EInOutError
// when it fails, so a half-written file is never reported as success.
class TTextOutput {
public:
    virtual ~TTextOutput() = default;
    // Writes the bytes of the line followed by CR LF.
    virtual void WriteLine(std::string_view line) = 0;
};
