#include "model/format/InOutError.h"

namespace {

// The report's German text and the English one a command-line tool says.
struct TCodeText {
    int Code;
    const char* German;
    const char* English;
};

constexpr TCodeText CodeTexts[] = {
    {EInOutError::FileNotFound, "Datei nicht gefunden", "file not found"},
    {EInOutError::PathNotFound, "Ungültiger Dateiname", "a folder of the path is missing"},
    {EInOutError::TooManyOpenFiles, "Zu viele geöffnete Dateien", "too many open files"},
    {EInOutError::AccessDenied, "Dateizugriff verweigert", "access denied"},
    {EInOutError::DiskFull, "Zu wenig Speicherplatz", "the disk is full"},
};

const TCodeText* Known(int code) {
    for (const TCodeText& text : CodeTexts)
        if (text.Code == code)
            return &text;
    return nullptr;
}

std::string EnglishText(int code) {
    const TCodeText* known = Known(code);
    return known ? known->English : "I/O error " + std::to_string(code);
}

} // namespace

EInOutError::EInOutError(int code, std::string reason)
    : std::runtime_error(InOutErrorText(code)), FCode(code),
      FReason(reason.empty() ? EnglishText(code) : std::move(reason)) {}

std::string InOutErrorText(int code) {
    const TCodeText* known = Known(code);
    return known ? known->German : "E/A-Fehler " + std::to_string(code);
}
