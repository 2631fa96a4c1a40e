#include "model/prefs/Global.h"

#include "model/format/IntegerText.h"

namespace {

const char* const FSPathName = "FS Path";
const char* const BackupName = "Backup";
const char* const SetPathName = "Set Path";
const char* const DeclinedAreasName = "Declined Areas";
const char* const ProfileOffUnknownName = "Profile Off Unknown";

// Missing or not an integer keeps backups on: losing a Scenery.cfg is worse than an extra file.
bool BackupFromText(const std::optional<std::string>& text) {
    if (!text) {
        return true;
    }
    const auto number = ParseInteger(*text);
    return !number || *number != 0;
}

} // namespace

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != PathSeparator) {
        folder += PathSeparator;
    }
    return folder;
}

std::optional<std::string> HostKeyFolder(const THostLocator& host) {
    auto folder = host.ReadHostKey();
    if (folder) {
        *folder = WithTrailingSeparator(std::move(*folder));
    }
    return folder;
}

// The stored folder is kept when it holds the host, else the host key's folder is taken. A stored
// folder always gets its trailing separator, so FSPath + "Scenery.cfg" names the file inside it.
void LoadPrefs(TPrefs& prefs, const TPrefsEnvironment& environment) {
    const TPrefsStore& store = *environment.Store;
    prefs.FSPath = store.ReadValue(FSPathName).value_or(std::string());
    prefs.Backup = BackupFromText(store.ReadValue(BackupName));
    prefs.SetPath = store.ReadValue(SetPathName).value_or(std::string());
    prefs.DeclinedAreas = store.ReadValue(DeclinedAreasName).value_or(std::string());
    prefs.ProfileOffUnknown = store.ReadValue(ProfileOffUnknownName) == "1";

    const THostLocator& host = *environment.Host;
    const std::string stored = WithTrailingSeparator(prefs.FSPath);
    if (host.HoldsHost(stored)) {
        prefs.FSPath = stored;
        return;
    }
    if (auto found = HostKeyFolder(host)) {
        prefs.FSPath = std::move(*found);
    } else if (!prefs.FSPath.empty()) {
        prefs.FSPath = stored;
    }
    if (host.HoldsHost(prefs.FSPath)) {
        SavePrefs(prefs, *environment.Store);
    } else {
        environment.Warn(HostNotFoundWarning);
    }
}

void SavePrefs(const TPrefs& prefs, TPrefsStore& store) {
    store.WriteValue(FSPathName, prefs.FSPath);
    store.WriteValue(BackupName, prefs.Backup ? "1" : "0");
    store.WriteValue(SetPathName, prefs.SetPath);
    store.WriteValue(DeclinedAreasName, prefs.DeclinedAreas);
    store.WriteValue(ProfileOffUnknownName, prefs.ProfileOffUnknown ? "1" : "0");
}
