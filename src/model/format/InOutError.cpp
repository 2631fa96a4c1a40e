#include "model/format/InOutError.h"

EInOutError::EInOutError(int code) : std::runtime_error(InOutErrorText(code)), FCode(code) {}

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
