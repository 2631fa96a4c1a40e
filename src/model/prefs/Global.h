#pragma once

#include "model/prefs/HostLocator.h"
#include "model/prefs/PrefsStore.h"
#include "model/format/QuarrowTypes.h"

#include <functional>
#include <optional>
#include <string>

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// The one process-wide preferences object: created and loaded before any window exists, saved and
// freed after the main window is gone.
extern TPrefs* Prefs;

// Shows the user a warning (UTF-8 text) and returns when it was seen.
using TWarningSink = std::function<void(const std::string& text)>;

// Everything loading and saving the preferences reaches outside the model. The program's entry
// chooses the platform's implementations; tests bring their own. Both objects outlive GlobalEnd.
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

// Creates Prefs and loads it; the environment is kept for GlobalEnd and HostLocator.
void GlobalStart(const TPrefsEnvironment& environment);
// Saves Prefs, whether anything changed or not, then frees it.
void GlobalEnd();
// The host locator given to GlobalStart (the settings dialog reads the host key and tests folders).
const THostLocator& HostLocator();

// The text with a trailing separator added when it has none ("" gives the bare separator).
std::string WithTrailingSeparator(std::string folder);
// The folder the host key names, with its trailing separator; no value when the key cannot be opened.
std::optional<std::string> HostKeyFolder(const THostLocator& host);
