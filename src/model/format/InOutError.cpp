#include "model/format/InOutError.h"

namespace {
std::string EnglishText(int code) {
    switch (code) {
    case EInOutError::FileNotFound:
        return "file not found";
    case EInOutError::PathNotFound:
        return "a folder of the path is missing";
    case EInOutError::TooManyOpenFiles:
        return "too many open files";
    case EInOutError::AccessDenied:
        return "access denied";
    case EInOutError::DiskFull:
        return "the disk is full";
    default:
        return "I/O error " + std::to_string(code);
    }
}
} // namespace

EInOutError::EInOutError(int code, std::string reason)
    : std::runtime_error(InOutErrorText(code)), FCode(code),
      FReason(reason.empty() ? EnglishText(code) : std::move(reason)) {}

std::string InOutErrorText(int code) {
    switch (code) {
    case EInOutError::FileNotFound:
        return "Datei nicht gefunden";
    case EInOutError::PathNotFound:
        return "Ungültiger Dateiname";
    case EInOutError::TooManyOpenFiles:
        return "Zu viele geöffnete Dateien";
    case EInOutError::AccessDenied:
        return "Dateizugriff verweigert";
    case EInOutError::DiskFull:
        return "Zu wenig Speicherplatz";
    default:
        return "E/A-Fehler " + std::to_string(code);
    }
}
