#pragma once

#include <stdexcept>
#include <string>

// A failure while creating, writing or closing a file. Commands do not handle it: it travels up to
// the application's event loop, which shows the default error report and goes on.
class EInOutError : public std::runtime_error {
public:
    // The codes the report distinguishes; any other number is shown as a plain I/O error.
    enum : int { FileNotFound = 2, PathNotFound = 3, TooManyOpenFiles = 4, AccessDenied = 5, DiskFull = 101 };

    // The reason is the system's own (UTF-8), for a tool that says what failed in its own words.
    explicit EInOutError(int code, std::string reason = {});

    int Code() const { return FCode; }
    // The system's reason; where it named none, the code's meaning in English.
    const std::string& Reason() const { return FReason; }

private:
    int FCode;
    std::string FReason;
};

// The report's text for a code (UTF-8): "Datei nicht gefunden", ..., "E/A-Fehler <n>".
std::string InOutErrorText(int code);
