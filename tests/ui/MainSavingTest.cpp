#include "MainWindowFixture.h"
#include "support/CaseName.h"
#include "support/RealWriteFailure.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString BackupQuestion = u"Backup file could not be created. Overwrite scenery.cfg anyway?"_s;
const QString NotSaved = u"Scenery.cfg not saved!"_s;
const QString QuitQuestion = u"Changes will be lost. Quit anyway?"_s;
const QString RevertQuestion = u"Changes will be lost. Continue anyway?"_s;
const QString NoLocalQuestion =
    u"1 area has no Local Path and will not be read back: <Untitled>. Save anyway?"_s;

class MainSaving : public TMainWindowTest {
protected:
    QString BackupPath() const { return Folder.filePath(u"Scenery.qrw"_s); }

    // Saving through a real click, so a failure travels through the application's error report.
    void ClickSave() {
        Window->show();
        QTest::mouseClick(Child<QPushButton>("bbSave"), Qt::LeftButton);
        QApplication::processEvents();
    }
};

TEST_F(MainSaving, RenumbersAndWritesEveryRowInOrderAfterABackup) {
    Load({{3, "A", 5}, {10, "B", 2}, {11, "C", 9}});
    const std::string old = FileBytes(CfgPath());
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()), GeneralText() + SavedArea(1, "A", "Scenery\\3") +
                                        SavedArea(2, "B", "Scenery\\10") + SavedArea(3, "C", "Scenery\\11"));
    EXPECT_EQ(FileBytes(BackupPath()), old);
    EXPECT_EQ(Cells(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(Window->IsModified());
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(), u"Scenery.cfg saved: 3 areas."_s);
}

// An area without a Local Path is no area to the reader: saving it unasked would lose it.
TEST_F(MainSaving, AreasWithoutLocalPathAreSavedOnlyWhenTheUserSaysSo) {
    Load(Numbered(3));
    const std::string old = FileBytes(CfgPath());
    Window->bbAddClick();
    Boxes.AnswerNext(false);
    Window->bbSaveClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, NoLocalQuestion}, {TBoxKind::Error, NotSaved}}));
    EXPECT_EQ(FileBytes(CfgPath()), old);
    EXPECT_FALSE(QFile::exists(BackupPath()));
    EXPECT_TRUE(Window->IsModified());
}

// Edits of the General fields count as changes; filling them from the file does not.
TEST_F(MainSaving, GeneralSettingsEditsAreChanges) {
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"title", [this] { Child<QLineEdit>("eCfgTitle")->setText(u"Other"_s); }},
        {"description", [this] { Child<QLineEdit>("eDescription")->setText(u"Other"_s); }},
        {"clean on exit", [this] { Child<QCheckBox>("cbCleanOnExit")->toggle(); }},
    };
    for (const auto& [name, edit] : edits) {
        Load(Numbered(3));
        EXPECT_FALSE(Window->IsModified()) << name;
        edit();
        EXPECT_TRUE(Window->IsModified()) << name;
    }
}

TEST_F(MainSaving, TakesTheGeneralFieldsAsTheyStand) {
    Load({{1, "A", 1}});
    Child<QLineEdit>("eCfgTitle")->setText(u"Zürich World"_s);
    Child<QLineEdit>("eDescription")->setText(u"Line\r\nbreak"_s);
    Child<QCheckBox>("cbCleanOnExit")->setChecked(false);
    TestPrefs.Backup = false;
    Window->bbSaveClick();
    const std::string general =
        "[General]\r\nTitle=Z\xFCrich World\r\nDescription=Line  break\r\nClean_on_Exit=FALSE\r\n\r\n";
    EXPECT_EQ(FileBytes(CfgPath()).substr(0, general.size()), general);
    EXPECT_FALSE(QFile::exists(BackupPath()));
}

struct TMissingCfgCase {
    const char* Name;
    bool Answer;
    bool Written;
};

class MainSavingWithoutCfg : public MainSaving, public testing::WithParamInterface<TMissingCfgCase> {};

TEST_P(MainSavingWithoutCfg, AsksWhetherToGoOnWithoutBackup) {
    Window->ReloadAll();
    Window->bbAddClick();
    Boxes.AnswerNext(true);
    Boxes.AnswerNext(GetParam().Answer);
    Window->bbSaveClick();
    TShown expected{{TBoxKind::Confirmation, NoLocalQuestion}, {TBoxKind::Confirmation, BackupQuestion}};
    if (!GetParam().Written)
        expected.emplace_back(TBoxKind::Error, NotSaved);
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(FileBytes(CfgPath()),
              GetParam().Written ? GeneralText("", "", false) + SavedArea(1, "<Untitled>", "") : "<missing>");
    EXPECT_EQ(Window->IsModified(), !GetParam().Written);
    EXPECT_FALSE(QFile::exists(BackupPath()));
}

const TMissingCfgCase MissingCfgCases[] = {
    {"Yes", true, true},
    {"No", false, false},
};

INSTANTIATE_TEST_SUITE_P(Answers, MainSavingWithoutCfg, testing::ValuesIn(MissingCfgCases), CaseName);

// A real write failure of the system's: neither the old
// Scenery.cfg nor the old backup may be replaced by a cut-off copy, and the save must not look done.
TEST_F(MainSaving, RealWriteFailureKeepsTheLibraryAndTheBackup) {
    Load(Numbered(40));
    const std::string old = FileBytes(CfgPath());
    ASSERT_GT(old.size(), 3000u);
    ASSERT_TRUE(QFile(CfgPath()).copy(BackupPath()));
    QFile(CfgPath()).resize(old.size() - 1);
    Window->show();
    Window->bbRenumberClick();
    Boxes.AnswerNext(true);
    {
        const TRealWriteFailure failure({CfgPath(), BackupPath()});
        ClickSave();
    }
    EXPECT_EQ(FileBytes(CfgPath()), old.substr(0, old.size() - 1));
    EXPECT_EQ(FileBytes(BackupPath()), old);
    EXPECT_TRUE(Window->IsModified());
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, BackupQuestion},
                               {TBoxKind::Report, TRealWriteFailure::ReportText()}}));
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), (QStringList{u"Scenery.cfg"_s, u"Scenery.qrw"_s}));
}

// A library that exists but could not be read is never shown as empty and then saved over unasked. The
// reader's own tests cover every kind of unreadable file; a folder in its place is one each system makes.
TEST_F(MainSaving, UnreadableLibraryIsSaidAtLoadAndAskedAboutAtSave) {
    ASSERT_TRUE(QDir().mkdir(CfgPath()));
    Window->ReloadAll();
    EXPECT_EQ(List->RowCount(), 0);
    Window->bbAddClick();
    Boxes.AnswerNext(false);
    Window->bbSaveClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Error,
                                u"Scenery.cfg could not be read: "_s + CfgPath() + u": not a regular file"_s},
                               {TBoxKind::Confirmation, u"Scenery.cfg could not be read when it was loaded. "
                                                        u"Overwrite it anyway?"_s},
                               {TBoxKind::Error, NotSaved}}));
    EXPECT_TRUE(Window->IsModified());
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{u"Scenery.cfg"_s});
}

// What the list does not show of the file is said at load, and a save that would drop it asks first with
// No as its default: No leaves the file byte for byte.
TEST_F(MainSaving, WhatTheListDoesNotShowIsSaidAndAskedAbout) {
    // clang-format off
    const std::tuple<std::string, QString, QString> cases[] = {
        {CfgText(Numbered(2)) + "[Area.2000]\r\nLocal=a\r\n[Area.4999]\r\nLocal=b\r\n", u"2 areas of Scenery.cfg are not shown (numbered 2000 or above): a save removes them."_s, u"Saving removes 2 areas that Quarrow does not show from Scenery.cfg. Save anyway?"_s},
        {std::string(1000, '\x7f'), u"Scenery.cfg is not a scenery library: 1000 bytes without a [General] section or an area."_s, u"Scenery.cfg is not a scenery library: 1000 bytes without a [General] section or an area. Replace it anyway?"_s},
    };
    // clang-format on
    for (const auto& [bytes, notice, question] : cases) {
        WriteCfg(bytes);
        Window->ReloadAll();
        EXPECT_TRUE(Child<QStatusBar>("sbStatus")->currentMessage().startsWith(notice));
        Window->bbSaveClick();
        EXPECT_EQ(Shown(), (TShown{{TBoxKind::Warning, notice},
                                   {TBoxKind::Confirmation, question},
                                   {TBoxKind::Error, NotSaved}}));
        EXPECT_TRUE(Boxes.Boxes()[1].DefaultNo);
        EXPECT_EQ(FileBytes(CfgPath()), bytes);
        Boxes.Clear();
    }
}

TEST_F(MainSaving, RevertAfterAFailedReadClearsTheQuestion) {
    ASSERT_TRUE(QDir().mkdir(CfgPath()));
    Window->ReloadAll();
    ASSERT_TRUE(QDir().rmdir(CfgPath()));
    Window->bbRevertClick();
    TestPrefs.Backup = false;
    Window->bbAddClick();
    Boxes.AnswerNext(true);
    Window->bbSaveClick();
    EXPECT_EQ(Shown().size(), 2u);
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(MainSaving, MissingHostFolderIsReportedAndKeepsTheChanges) {
    TestPrefs.FSPath = Folder.filePath(u"gone"_s).toStdString() + "/";
    TestPrefs.Backup = false;
    // Showing the window loads the list.
    Window->show();
    Window->bbRenumberClick();
    ClickSave();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Report, u"Ungültiger Dateiname."_s}}));
    EXPECT_TRUE(Window->IsModified());
}

// The reader never reads sections from 2000 on: such a save would lose areas on the next load.
TEST_F(MainSaving, RefusesMoreAreasThanTheFileCanHold) {
    Load(Numbered(1999));
    const std::string old = FileBytes(CfgPath());
    Window->bbAddClick();
    Window->bbSaveClick();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Error, u"Scenery.cfg not saved! The list holds 2000 areas, but at most 1999 "
                                        u"areas can be saved."_s}}));
    EXPECT_EQ(FileBytes(CfgPath()), old);
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(MainSaving, CloseAsksOnlyWhileModified) {
    Load(Numbered(3));
    Window->show();
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Boxes.Boxes().empty());

    Window->show();
    Window->bbAddClick();
    Boxes.AnswerNext(false);
    EXPECT_FALSE(Window->close());
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, QuitQuestion}}));

    Boxes.Clear();
    Boxes.AnswerNext(true);
    Window->bbSaveClick();
    Boxes.Clear();
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(MainSaving, ExitPassesThroughTheCloseQuery) {
    Load(Numbered(3));
    Window->show();
    Window->bbAddClick();
    Boxes.AnswerNext(true);
    Window->cmFileExitClick();
    EXPECT_FALSE(Window->isVisible());
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, QuitQuestion}}));
}

TEST_F(MainSaving, RevertReloadsAtOnceWhenUnchangedAndAsksOtherwise) {
    Load(Numbered(3));
    WriteCfg(CfgText(Numbered(2)));
    Window->bbRevertClick();
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Titles(), TitlesOf({0, 1}));
    EXPECT_FALSE(Window->IsModified());

    Window->bbAddClick();
    Boxes.AnswerNext(false);
    Window->bbRevertClick();
    EXPECT_EQ(Titles().size(), 3u);
    Boxes.AnswerNext(true);
    Window->bbRevertClick();
    EXPECT_EQ(Titles(), TitlesOf({0, 1}));
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Confirmation, RevertQuestion}, {TBoxKind::Confirmation, RevertQuestion}}));
}

} // namespace
