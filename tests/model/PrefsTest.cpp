#include "model/Global.h"
#include "support/FakePrefsEnvironment.h"

#include <gtest/gtest.h>

namespace {

using TWrites = std::vector<std::pair<std::string, std::string>>;

const std::string Sep(1, PathSeparator);
const std::string HostFolder = Sep + "games" + Sep + "fs9";
const std::string Warning =
    "Quarrow was unable to locate FS2004. Please use the settings dialog to locate it manually.";

TEST(PrefsTest, FirstRunTakesTheHostKeyAndStoresItAtOnceAndAtExit) {
    TFakePrefsEnvironment fake;
    fake.Host.HostKey = HostFolder;
    fake.Host.HostFolders = {HostFolder + Sep};

    GlobalStart(fake.Environment());
    ASSERT_NE(Prefs, nullptr);
    EXPECT_EQ(Prefs->FSPath, HostFolder + Sep);
    EXPECT_TRUE(Prefs->Backup);
    EXPECT_TRUE(fake.Warnings.empty());
    const TWrites atStart = {{"FS Path", HostFolder + Sep}, {"Backup", "1"}, {"Set Path", ""}};
    EXPECT_EQ(fake.Store.Writes, atStart);
    EXPECT_EQ(&HostLocator(), &fake.Host);

    Prefs->SetPath = "sets";
    Prefs->Backup = false;
    GlobalEnd();
    EXPECT_EQ(Prefs, nullptr);
    const TWrites atExit = {{"FS Path", HostFolder + Sep}, {"Backup", "0"}, {"Set Path", "sets"}};
    EXPECT_EQ(TWrites(fake.Store.Writes.begin() + 3, fake.Store.Writes.end()), atExit);
}

// What LoadPrefs ends with for a stored folder and a host key, and whether it warns or stores.
struct THostCase {
    const char* Name;
    std::optional<std::string> Stored;
    std::optional<std::string> HostKey;
    std::set<std::string> HostFolders;
    std::string ExpectedFSPath;
    bool Warns;
    bool StoresAtOnce;
};

class HostLocationTest : public testing::TestWithParam<THostCase> {};

TEST_P(HostLocationTest, LocatesTheHost) {
    const THostCase& c = GetParam();
    TFakePrefsEnvironment fake;
    if (c.Stored) {
        fake.Store.Values["FS Path"] = *c.Stored;
    }
    fake.Host.HostKey = c.HostKey;
    fake.Host.HostFolders = c.HostFolders;

    TPrefs prefs;
    LoadPrefs(prefs, fake.Environment());

    EXPECT_EQ(prefs.FSPath, c.ExpectedFSPath);
    EXPECT_EQ(fake.Warnings, c.Warns ? std::vector<std::string>{Warning} : std::vector<std::string>{});
    EXPECT_EQ(fake.Store.Writes.size(), c.StoresAtOnce ? 3U : 0U);
}

const std::string Other = Sep + "other" + Sep + "fs9";

INSTANTIATE_TEST_SUITE_P(
    Cases, HostLocationTest,
    testing::Values(
        THostCase{"StoredFolderHoldsHost",
                  HostFolder + Sep,
                  Other,
                  {HostFolder + Sep},
                  HostFolder + Sep,
                  false,
                  false},
        // A stored folder without its separator gets one: FSPath + "Scenery.cfg" must lie inside it.
        THostCase{"StoredFolderWithoutSeparator",
                  HostFolder,
                  Other,
                  {HostFolder + Sep},
                  HostFolder + Sep,
                  false,
                  false},
        THostCase{"HostKeyWithSeparator",
                  std::nullopt,
                  HostFolder + Sep,
                  {HostFolder + Sep},
                  HostFolder + Sep,
                  false,
                  true},
        THostCase{"StaleStoredFolderHostKeyFindsHost",
                  Other,
                  HostFolder,
                  {HostFolder + Sep},
                  HostFolder + Sep,
                  false,
                  true},
        THostCase{"StoredFolderWithoutHostNoKey", Other, std::nullopt, {}, Other + Sep, true, false},
        THostCase{"StoredFolderWithoutHostKeyWithoutHost",
                  Other + Sep,
                  HostFolder,
                  {},
                  HostFolder + Sep,
                  true,
                  false},
        THostCase{"KeyWithoutValueGivesBareSeparator", Other, "", {}, Sep, true, false},
        THostCase{"NothingStoredNoKey", std::nullopt, std::nullopt, {}, "", true, false}),
    [](const testing::TestParamInfo<THostCase>& info) { return std::string(info.param.Name); });

struct TBackupCase {
    std::optional<std::string> Stored;
    bool Expected;
};

class BackupTest : public testing::TestWithParam<TBackupCase> {};

TEST_P(BackupTest, ReadsTheStoredInteger) {
    TFakePrefsEnvironment fake;
    if (GetParam().Stored) {
        fake.Store.Values["Backup"] = *GetParam().Stored;
    }
    TPrefs prefs;
    LoadPrefs(prefs, fake.Environment());
    EXPECT_EQ(prefs.Backup, GetParam().Expected) << GetParam().Stored.value_or("(missing)");
}

INSTANTIATE_TEST_SUITE_P(Values, BackupTest,
                         testing::Values(TBackupCase{"0", false}, TBackupCase{"1", true},
                                         TBackupCase{"7", true}, TBackupCase{std::nullopt, true},
                                         TBackupCase{"abc", true}, TBackupCase{" 0", false},
                                         TBackupCase{"$0", false}, TBackupCase{"0 ", true},
                                         TBackupCase{"", true}));

TEST(PrefsTest, SetPathIsReadAndWrittenUnchanged) {
    TFakePrefsEnvironment fake;
    fake.Store.Values["Set Path"] = "C:\\Sets\\My Areas";
    TPrefs prefs;
    LoadPrefs(prefs, fake.Environment());
    EXPECT_EQ(prefs.SetPath, "C:\\Sets\\My Areas");

    SavePrefs(prefs, fake.Store);
    const TWrites expected = {{"FS Path", ""}, {"Backup", "1"}, {"Set Path", "C:\\Sets\\My Areas"}};
    EXPECT_EQ(fake.Store.Writes, expected);
}

} // namespace
