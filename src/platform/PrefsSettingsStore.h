#pragma once

#include "model/prefs/PrefsStore.h"

#include <QSettings>
#include <QString>

// The preferences kept by QSettings: on Windows the registry key HKEY_CURRENT_USER\Software\Quarrow,
// elsewhere the INI file Quarrow/Quarrow.ini in the user's config folder. Values are native path
// bytes, so they pass through the local 8-bit encoding (the ANSI code page on Windows, UTF-8 elsewhere).
class TPrefsSettingsStore : public TPrefsStore {
public:
    // The platform's place for the current user.
    TPrefsSettingsStore();
    // An INI file of the caller's choosing.
    explicit TPrefsSettingsStore(const QString& iniFile);

    std::optional<std::string> ReadValue(std::string_view name) const override;
    void WriteValue(std::string_view name, const std::string& value) override;

    // Where the INI file lives for the current user: $XDG_CONFIG_HOME (default
    // ~/.config)/Quarrow/Quarrow.ini.
    static QString DefaultIniFile();

private:
    QSettings FSettings;
};
