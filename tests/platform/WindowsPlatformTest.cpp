// What only the Windows build does: the registry for the preferences and the host key, paths with
// drive letters and backslashes. It runs under Wine here.
#include "model/prefs/Global.h"
#include "platform/AreaFolders.h"
#include "platform/HostFolderText.h"
#include "platform/PrefsSettingsStore.h"
#include "platform/SystemHostLocator.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString UserKey = u"HKEY_CURRENT_USER\\Software\\Quarrow"_s;
const QString HostKey = u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0"_s;

class WindowsRegistry : public testing::Test {
protected:
    void TearDown() override {
        QSettings(UserKey, QSettings::NativeFormat).remove(QString());
        QSettings(HostKey, QSettings::Registry32Format).remove(QString());
    }
};

// The preferences are string values of the user's key, each read back byte for byte.
TEST_F(WindowsRegistry, PreferencesAreStringValuesOfTheUsersKey) {
    TPrefsSettingsStore store;
    EXPECT_EQ(store.ReadValue("Set Path"), std::nullopt);
    for (const char* name : {"FS Path", "Backup", "Set Path"}) {
        const std::string value = name == std::string("Backup") ? "1" : "C:\\Program Files\\FS9\\";
        store.WriteValue(name, value);
        const QVariant stored = QSettings(UserKey, QSettings::NativeFormat).value(QString::fromLatin1(name));
        EXPECT_EQ(stored.typeId(), QMetaType::QString) << name;
        EXPECT_EQ(stored.toString().toStdString(), value) << name;
        EXPECT_EQ(TPrefsSettingsStore().ReadValue(name), value) << name;
    }
}

// The host is a 32-bit program: 64-bit Windows keeps its key under Wow6432Node, which the 32-bit view
// reads. A missing key is no host key; the folder's own form comes back as written.
TEST_F(WindowsRegistry, HostKeyIsReadThroughTheThirtyTwoBitView) {
    EXPECT_EQ(TSystemHostLocator().ReadHostKey(), std::nullopt);
    QSettings(HostKey, QSettings::Registry32Format).setValue(u"EXE Path"_s, u"C:\\FS9\\"_s);
    EXPECT_EQ(TSystemHostLocator().ReadHostKey(), "C:\\FS9\\");
    const QString wow =
        u"HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0"_s;
    EXPECT_EQ(QSettings(wow, QSettings::Registry64Format).value(u"EXE Path"_s).toString(), u"C:\\FS9\\"_s);
}

// A first run finds the host through its key and keeps the folder in Windows form.
TEST_F(WindowsRegistry, FirstRunTakesTheHostFolderFromItsKey) {
    QTemporaryDir temp;
    const QString host = QDir::toNativeSeparators(temp.path()) + u"\\FS9\\"_s;
    ASSERT_TRUE(WriteBytes(temp.path() + u"/FS9/fs9.exe"_s));
    QSettings(HostKey, QSettings::Registry32Format).setValue(u"EXE Path"_s, host);
    TPrefsSettingsStore store;
    TSystemHostLocator locator;
    TPrefs prefs;
    LoadPrefs(prefs, {&store, &locator, [](const std::string& text) { ADD_FAILURE() << text; }});
    EXPECT_EQ(prefs.FSPath, host.toLocal8Bit().toStdString());
    EXPECT_EQ(QSettings(UserKey, QSettings::NativeFormat).value(u"FS Path"_s).toString(), host);
}

// Local Paths and chosen folders as Windows spells them: drive letters, backslashes, any case.
TEST(WindowsPaths, FoldersWithDriveLetters) {
    QTemporaryDir temp;
    ASSERT_TRUE(QDir(temp.path()).mkpath(u"FS9/Scenery/World"_s));
    const QString host = QDir::toNativeSeparators(temp.path()) + u"\\FS9\\"_s;
    TAreaFolderCheck check(host);
    EXPECT_EQ(check.Resolve(u"Scenery\\World"_s).Path, host + u"Scenery\\World"_s);
    EXPECT_TRUE(check.Resolve(u"SCENERY\\world"_s).Exists);
    EXPECT_TRUE(check.Resolve(host + u"Scenery\\World"_s).Exists);
    EXPECT_FALSE(check.Resolve(u"Q:\\Nowhere"_s).Exists);

    const QString chosen = temp.path() + u"/FS9/Scenery/World"_s;
    EXPECT_EQ(HostFolderText(chosen, host), u"Scenery\\World"_s);
    EXPECT_EQ(HostFolderText(chosen, host.toLower()), u"Scenery\\World"_s);
    EXPECT_EQ(HostFolderText(temp.path() + u"/Other"_s, host),
              QDir::toNativeSeparators(temp.path()) + u"\\Other"_s);
}

} // namespace
