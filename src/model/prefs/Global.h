#pragma once

#include "model/format/QuarrowTypes.h"
#include "model/prefs/HostLocator.h"
#include "model/prefs/PrefsStore.h"

#include <functional>
#include <optional>
#include <string>

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// Shows the user a warning (UTF-8 text) and returns when it was seen.
using TWarningSink = std::function<void(const std::string& text)>;

// Everything loading and saving the preferences reaches outside the model. The program's entry
// chooses the platform's implementations; tests bring their own.
struct TPrefsEnvironment {
    TPrefsStore* Store = nullptr;
    const THostLocator* Host = nullptr;
    TWarningSink Warn;
};

inline constexpr const char* HostNotFoundWarning =
    "Quarrow was unable to locate FS2004. Please use the settings dialog to locate it manually.";

// Fills the preferences from the store and locates the host when the stored folder does not hold it.
void LoadPrefs(TPrefs& prefs, const TPrefsEnvironment& environment);
void SavePrefs(const TPrefs& prefs, TPrefsStore& store);

// The text with a trailing separator added when it has none ("" gives the bare separator).
std::string WithTrailingSeparator(std::string folder);
// The folder the host key names, with its trailing separator; no value when the key cannot be opened.
std::optional<std::string> HostKeyFolder(const THostLocator& host);
