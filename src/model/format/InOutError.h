#pragma once

#include <stdexcept>
#include <string>

// A failure while creating, writing or closing a file. Commands do not handle it: it travels up to
// the application's event loop, which shows the default error report and goes on.
class EInOutError : public std::runtime_error {
public:
    // The codes the report distinguishes; any other number is shown as a plain I/O error.
    enum : int { FileNotFound = 2, PathNotFound = 3, TooManyOpenFiles = 4, AccessDenied = 5, DiskFull = 101 };

    explicit EInOutError(int code);

    int Code() const { return FCode; }

private:
    int FCode;
};

// The report's text for a code (UTF-8): "Datei nicht gefunden", ..., "E/A-Fehler <n>".
std::string InOutErrorText(int code);
