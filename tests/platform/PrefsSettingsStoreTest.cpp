#include "platform/PrefsSettingsStore.h"
#include "WinePrefixBuilder.h"
#include "model/prefs/Global.h"
#include "platform/SystemHostLocator.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class PrefsSettingsStoreTest : public testing::TestWithParam<std::string> {};

// Each value goes through the INI file's quoting and escaping and comes back byte for byte.
TEST_P(PrefsSettingsStoreTest, ValuesRoundTripExactly) {
    QTemporaryDir temp;
    const QString ini = temp.path() + u"/Quarrow.ini"_s;
    TPrefsSettingsStore(ini).WriteValue("FS Path", GetParam());
    EXPECT_EQ(TPrefsSettingsStore(ini).ReadValue("FS Path"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, PrefsSettingsStoreTest,
                         testing::Values("", "0", "1", "/home/user/My Games/FS9/", "C:\\Program Files\\FS9\\",
                                         "\\\\server\\share",
                                         "/tmp/\xc3\x9c"
                                         "ber Fl\xc3\xbcge/\xe2\x82\xac/",
                                         "a, b,c", "@Variant(1)", "@String(x)", " padded ", "\"quoted\"",
                                         "semi;colon=equals#hash", "tab\there", "%20", "[General]"));

// Elsewhere than on Windows the settings live in an INI file and the host in a Wine prefix; the
// registry's part is tested on Windows.
#ifndef Q_OS_WIN
TEST(PrefsSettingsFileTest, MissingValueAndDefaultPlace) {
    QTemporaryDir temp;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", temp.path().toLocal8Bit());
    {
        TPrefsSettingsStore store;
        EXPECT_EQ(store.ReadValue("Set Path"), std::nullopt);
        store.WriteValue("Backup", "0");
    }
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(TPrefsSettingsStore(temp.path() + u"/Quarrow/Quarrow.ini"_s).ReadValue("Backup"), "0");
}

// The whole first run on this platform: host found through the Wine prefix, stored in the INI file at once.
TEST(PrefsSettingsFileTest, FirstRunFindsTheHostInTheWinePrefix) {
    TWinePrefixBuilder wine;
    wine.AddDriveC();
    wine.MakeFolder(u"pfx/drive_c/FS9"_s, u"fs9.exe"_s);
    wine.WriteSystemReg("[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1\n"
                        "\"EXE Path\"=\"C:\\\\fs9\"\n");
    const QString ini = wine.Root() + u"/Quarrow.ini"_s;
    TPrefsSettingsStore store(ini);
    TSystemHostLocator host(wine.Prefix());
    std::vector<std::string> warnings;
    TPrefs prefs;
    LoadPrefs(prefs, {&store, &host, [&](const std::string& text) { warnings.push_back(text); }});

    const std::string folder = (wine.Prefix() + u"/drive_c/FS9/"_s).toLocal8Bit().toStdString();
    EXPECT_EQ(prefs.FSPath, folder);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(TPrefsSettingsStore(ini).ReadValue("FS Path"), folder);
    EXPECT_EQ(TPrefsSettingsStore(ini).ReadValue("Backup"), "1");
}
#endif

} // namespace
