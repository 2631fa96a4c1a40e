#include "SettingsDialog.h"
#include "DialogRecorder.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "platform/HostTest.h"
#include "support/FakePrefsEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The host key the test decides; folders are tested on the disk, in any letter case.
class TDiskHost : public THostLocator {
public:
    std::optional<std::string> HostKey;
    std::optional<std::string> ReadHostKey() const override { return HostKey; }
    bool HoldsHost(const std::string& folder) const override {
        return FolderHoldsHost(QString::fromLocal8Bit(folder));
    }
};

// A temporary root with host folders "fs9" (FS9.exe), "lower" (fs9.exe) and "empty" (no host).
class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Root.isValid());
        for (const auto& [folder, file] :
             {std::pair{"fs9", "FS9.exe"}, {"lower", "fs9.exe"}, {"empty", ""}}) {
            ASSERT_TRUE(QDir(Root.path()).mkpath(QLatin1StringView(folder)));
            if (*file) {
                ASSERT_TRUE(QFile(Root.filePath(QLatin1StringView(folder) + u'/' + QLatin1StringView(file)))
                                .open(QIODevice::WriteOnly));
            }
        }
    }
    std::string Folder(const char* name, const char* tail = "/") const {
        return QDir::toNativeSeparators(Root.filePath(QLatin1StringView(name)) + QLatin1StringView(tail))
            .toStdString();
    }

    QTemporaryDir Root;
    TPrefs TestPrefs;
    TDiskHost Host;
    TBoxRecorder Boxes;
    TDialogRecorder Dialogs;
};

struct TOkCase {
    const char* Name;
    const char* FSPath;                 // a folder under the root, "" for none stored
    std::optional<const char*> HostKey; // the same; no value: the key cannot be opened
    bool SetPath;
    const char* Shown;   // what eFSPath shows, under the root ("" for empty, "/" for the bare separator)
    const char* Error;   // the plain error box, "" for none
    const char* Focused; // where the error puts the focus
};

class SettingsOk : public SettingsTest, public testing::WithParamInterface<TOkCase> {};

// What the dialog shows at first and what OK then does with it. Prefs change only when it closes.
TEST_P(SettingsOk, ShowsTheHostFolderAndChecksItAtOk) {
    const TOkCase& c = GetParam();
    const auto under = [this](const char* name) {
        return *name && *name != '/' ? Folder(name)
                                     : QDir::toNativeSeparators(QLatin1StringView(name)).toStdString();
    };
    TestPrefs.FSPath = under(c.FSPath);
    if (c.HostKey)
        Host.HostKey = **c.HostKey ? Folder(*c.HostKey, "") : std::string();
    TestPrefs.SetPath = c.SetPath ? Folder("empty", "") : "";
    TestPrefs.Backup = true;
    TSettingsDlg dialog(Host, TestPrefs);
    dialog.FormShow();
    EXPECT_EQ(dialog.findChild<QLineEdit*>(u"eFSPath"_s)->text().toStdString(), under(c.Shown));
    EXPECT_EQ(TestPrefs.FSPath, under(c.FSPath));
    dialog.findChild<QCheckBox*>(u"cbBackup"_s)->setChecked(false);
    dialog.bbOKClick();
    if (*c.Error) {
        EXPECT_EQ(Boxes.Boxes().at(0).Kind, TBoxKind::PlainError);
        EXPECT_EQ(Boxes.Boxes().at(0).Text, QLatin1StringView(c.Error));
        EXPECT_EQ(dialog.focusWidget()->objectName(), QLatin1StringView(c.Focused));
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(TestPrefs.Backup);
    } else {
        EXPECT_EQ(Boxes.Boxes().size(), 0u);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(TestPrefs.FSPath, under(c.Shown));
        EXPECT_FALSE(TestPrefs.Backup);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsOk,
    testing::Values(
        TOkCase{"StoredFolder", "fs9", "lower", true, "fs9", "", ""},
        TOkCase{"HostKeyWhenNoneStored", "", "fs9", true, "fs9", "", ""},
        TOkCase{"HostFileInLowerCase", "", "lower", true, "lower", "", ""},
        TOkCase{"NoHostKey", "", std::nullopt, true, "", "FS2004 not found!", "bbFSPath"},
        TOkCase{"HostKeyWithoutValue", "", "", true, "/", "FS2004 not found!", "bbFSPath"},
        TOkCase{"FolderWithoutHost", "empty", "fs9", true, "empty", "FS2004 not found!", "bbFSPath"},
        TOkCase{"NoSetFolder", "fs9", std::nullopt, false, "fs9", "No set path selected!", "bbSetPath"}),
    [](const testing::TestParamInfo<TOkCase>& info) { return std::string(info.param.Name); });

// The browse buttons start where Prefs point and change them at once.
TEST_F(SettingsTest, BrowsingTakesTheFoldersAtOnce) {
    TestPrefs.FSPath = Folder("fs9");
    TestPrefs.SetPath = Folder("empty", "");
    TSettingsDlg dialog(Host, TestPrefs);
    dialog.FormShow();
    Dialogs.AnswerNext(Root.filePath(u"lower/fs9.exe"_s));
    dialog.bbFSPathClick();
    Dialogs.AnswerNext(Root.filePath(u"lower"_s));
    dialog.bbSetPathClick();
    EXPECT_EQ(TestPrefs.FSPath, Folder("lower"));
    EXPECT_EQ(TestPrefs.SetPath, Folder("lower", ""));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(u"eSetPath"_s)->text().toStdString(), Folder("lower", ""));
    ASSERT_EQ(Dialogs.Requests().size(), 2u);
    EXPECT_EQ(Dialogs.Requests()[0].Kind, TDialogKind::OpenFile);
    EXPECT_EQ(Dialogs.Requests()[0].Title, u"Select Flight Simulator 2004 Path"_s);
    EXPECT_EQ(Dialogs.Requests()[0].Initial.toStdString(), Folder("fs9", "/FS9.exe"));
    EXPECT_EQ(Dialogs.Requests()[1].Kind, TDialogKind::Folder);
    EXPECT_EQ(Dialogs.Requests()[1].Title, u"Select Default Set Path"_s);
    EXPECT_EQ(Dialogs.Requests()[1].Initial.toStdString(), Folder("empty", ""));
}

class SettingsFromTheMenu : public TMainWindowTest {};

// The menu's dialog, driven through its controls: a folder browsed to stays in Prefs after Cancel and is
// stored at exit; the list stays as it was, and saving it into the other host folder is asked about.
TEST_F(SettingsFromTheMenu, BrowseThenCancelKeepsTheFolderForTheExit) {
    TFakePrefsEnvironment environment;
    environment.Store.Values = {{"FS Path", TestPrefs.FSPath}, {"Backup", "1"}};
    environment.Host.HostFolders = {TestPrefs.FSPath};
    TPrefs prefs;
    LoadPrefs(prefs, environment.Environment());
    Window = std::make_unique<THauptformular>(
        TWindowServices{Files, Folders, environment.Host, System, prefs, Scenery, Points, Profiles});
    List = Window->findChild<TAreaListView*>(u"lvAreas"_s);
    Load(Numbered(3));
    const QString other = QDir::toNativeSeparators(Folder.filePath(u"other"_s));
    ASSERT_TRUE(QDir().mkpath(other));
    TDialogRecorder dialogs;
    dialogs.AnswerNext(other + u"/FS9.exe"_s);
    QString title;
    WhenModal<TSettingsDlg>([&title](TSettingsDlg* dialog) {
        title = dialog->windowTitle();
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"bbFSPath"_s), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Window->findChild<QAction*>(u"cmFileSettings"_s)->trigger();
    EXPECT_EQ(title, u"Settings"_s);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2}));
    Boxes.AnswerNext(false);
    Window->bbSaveClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, u"The list was loaded from "_s + CfgPath() +
                                                            u". Save it to "_s + other + QDir::separator() +
                                                            u"Scenery.cfg anyway?"_s},
                               {TBoxKind::Error, u"Scenery.cfg not saved!"_s}}));
    Window.reset();
    SavePrefs(prefs, environment.Store);
    EXPECT_EQ(environment.Store.Values["FS Path"], (other + QDir::separator()).toStdString());
}

} // namespace
