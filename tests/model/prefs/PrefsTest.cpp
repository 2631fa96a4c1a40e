#include "model/prefs/Global.h"
#include "support/FakePrefsEnvironment.h"

#include <gtest/gtest.h>

namespace {

using TWrites = std::vector<std::pair<std::string, std::string>>;

const std::string Sep(1, PathSeparator);
const std::string HostFolder = Sep + "games" + Sep + "fs9";
const std::string Host = HostFolder + Sep;
const std::string Warning =
    "Quarrow was unable to locate FS2004. Please use the settings dialog to locate it manually.";

TEST(PrefsTest, FirstRunTakesTheHostKeyAndStoresItAtOnceAndAtExit) {
    TFakePrefsEnvironment fake;
    fake.Host.HostKey = HostFolder;
    fake.Host.HostFolders = {Host};

    TPrefs prefs;
    LoadPrefs(prefs, fake.Environment());
    EXPECT_EQ(prefs.FSPath, Host);
    EXPECT_TRUE(prefs.Backup);
    EXPECT_TRUE(fake.Warnings.empty());
    const TWrites atStart = {{"FS Path", Host},
                             {"Backup", "1"},
                             {"Set Path", ""},
                             {"Declined Areas", ""},
                             {"Profile Off Unknown", "0"}};
    EXPECT_EQ(fake.Store.Writes, atStart);

    prefs.SetPath = "sets";
    prefs.Backup = false;
    prefs.DeclinedAreas = "hash|Addon Scenery\\X";
    prefs.ProfileOffUnknown = true;
    SavePrefs(prefs, fake.Store);
    const TWrites atExit = {{"FS Path", Host},
                            {"Backup", "0"},
                            {"Set Path", "sets"},
                            {"Declined Areas", "hash|Addon Scenery\\X"},
                            {"Profile Off Unknown", "1"}};
    EXPECT_EQ(TWrites(fake.Store.Writes.begin() + 5, fake.Store.Writes.end()), atExit);
    LoadPrefs(prefs, fake.Environment());
    EXPECT_TRUE(prefs.ProfileOffUnknown);
}

// What LoadPrefs ends with for a stored folder and a host key, and whether it warns or stores at once.
struct THostCase {
    const char* Name;
    std::optional<std::string> Stored;
    std::optional<std::string> HostKey;
    bool HostThere;
    std::string FSPath;
    bool Warns;
    bool Stores;
};

const std::string Other = Sep + "other" + Sep + "fs9";
const THostCase HostCases[] = {
    {"stored folder holds the host", Host, Other, true, Host, false, false},
    // A stored folder without its separator gets one: FSPath + "Scenery.cfg" must lie inside it.
    {"stored folder without separator", HostFolder, Other, true, Host, false, false},
    {"host key with separator", std::nullopt, Host, true, Host, false, true},
    {"stale stored folder, host key finds the host", Other, HostFolder, true, Host, false, true},
    {"stored folder without host, no key", Other, std::nullopt, false, Other + Sep, true, false},
    {"stored folder and key without host", Other + Sep, HostFolder, false, Host, true, false},
    {"key without value gives a bare separator", Other, "", false, Sep, true, false},
    {"nothing stored, no key", std::nullopt, std::nullopt, false, "", true, false},
};

TEST(PrefsTest, LocatesTheHost) {
    for (const THostCase& c : HostCases) {
        SCOPED_TRACE(c.Name);
        TFakePrefsEnvironment fake;
        if (c.Stored)
            fake.Store.Values["FS Path"] = *c.Stored;
        fake.Host.HostKey = c.HostKey;
        if (c.HostThere)
            fake.Host.HostFolders = {Host};
        TPrefs prefs;
        LoadPrefs(prefs, fake.Environment());
        EXPECT_EQ(prefs.FSPath, c.FSPath);
        EXPECT_EQ(fake.Warnings, c.Warns ? std::vector<std::string>{Warning} : std::vector<std::string>{});
        EXPECT_EQ(fake.Store.Writes.size(), c.Stores ? 5U : 0U);
    }
}

TEST(PrefsTest, BackupIsTheStoredIntegerOrOn) {
    const std::pair<std::optional<std::string>, bool> cases[] = {
        {"0", false},  {"1", true},  {"7", true}, {std::nullopt, true}, {"abc", true}, {" 0", false},
        {"$0", false}, {"0 ", true}, {"", true}};
    for (const auto& [stored, expected] : cases) {
        TFakePrefsEnvironment fake;
        if (stored)
            fake.Store.Values["Backup"] = *stored;
        TPrefs prefs;
        LoadPrefs(prefs, fake.Environment());
        EXPECT_EQ(prefs.Backup, expected) << stored.value_or("(missing)");
    }
}

TEST(PrefsTest, SetPathIsReadAndWrittenUnchanged) {
    TFakePrefsEnvironment fake;
    fake.Store.Values["Set Path"] = "C:\\Sets\\My Areas";
    TPrefs prefs;
    LoadPrefs(prefs, fake.Environment());
    EXPECT_EQ(prefs.SetPath, "C:\\Sets\\My Areas");

    SavePrefs(prefs, fake.Store);
    const TWrites expected = {{"FS Path", ""},
                              {"Backup", "1"},
                              {"Set Path", "C:\\Sets\\My Areas"},
                              {"Declined Areas", ""},
                              {"Profile Off Unknown", "0"}};
    EXPECT_EQ(fake.Store.Writes, expected);
}

} // namespace
