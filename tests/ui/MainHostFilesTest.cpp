#include "MainWindowFixture.h"
#include "OtherWriter.h"
#include "support/CaseName.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStatusBar>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString ChangedQuestion =
    u"Scenery.cfg was changed by another program after it was loaded. Overwrite it anyway?"_s;
const QString NotSaved = u"Scenery.cfg not saved!"_s;
const std::vector<TCfgArea> Library = {{3, "A", 5}, {10, "B", 2}, {11, "C", 9}};

class MainHostFiles : public TMainWindowTest {
protected:
    // A per-user library of area A, and a host folder's file that an installer gave an area more; the
    // per-user folder.
    QString InstalledBesidePerUserCopy() {
        const QString user = Folder.filePath(u"user/"_s);
        EXPECT_TRUE(QDir().mkpath(user));
        System.PerUser = user.toStdString();
        WriteFile(user + u"Scenery.cfg"_s, CfgText({{1, "A", 1}}));
        WriteCfg(CfgText({{1, "A", 1}, {2, "Installed", 2}}));
        return user;
    }
    std::map<std::string, std::string> HostFolder() const { return FolderEntries(Folder.path()); }
    // Windows keeps whichever spelling the last writer gave: there only the letters count.
    static std::map<std::string, std::string> CaseKeyed(const std::map<std::string, std::string>& files) {
#ifdef Q_OS_WIN
        std::map<std::string, std::string> keyed;
        for (const auto& [name, bytes] : files)
            keyed[QString::fromStdString(name).toLower().toStdString()] = bytes;
        return keyed;
#else
        return files;
#endif
    }
    static std::string Saved() {
        return GeneralText() + SavedArea(1, "A", "Scenery\\3") + SavedArea(2, "B", "Scenery\\10") +
               SavedArea(3, "C", "Scenery\\11");
    }
};

struct TCaseCase {
    const char* Name;
    std::map<std::string, std::string> Before;
    std::map<std::string, std::string> After;
};

// The library and its backup are the files that are there, in whatever letter case; the canonical
// names are made only where none exists, and nothing lands beside a name that differs only in case.
TEST_F(MainHostFiles, LibraryAndBackupAreFoundInAnyLetterCase) {
    const std::string lib = CfgText(Library), other = CfgText(Numbered(1)), old = "old backup";
    // clang-format off
    const TCaseCase cases[] = {
        {"LowerCaseAlone", {{"scenery.cfg", lib}}, {{"scenery.cfg", Saved()}, {"Scenery.qrw", lib}}},
        {"UpperCaseAlone", {{"SCENERY.CFG", lib}}, {{"SCENERY.CFG", Saved()}, {"Scenery.qrw", lib}}},
#ifndef Q_OS_WIN
        // Two names that differ only in case are one file on Windows.
        {"ExactBesideLowerCase", {{"Scenery.cfg", lib}, {"scenery.cfg", other}}, {{"Scenery.cfg", Saved()}, {"Scenery.qrw", lib}, {"scenery.cfg", other}}},
#endif
        {"BackupInAnotherCase", {{"scenery.cfg", lib}, {"SCENERY.QRW", old}}, {{"SCENERY.QRW", lib}, {"scenery.cfg", Saved()}}},
    };
    // clang-format on
    for (const TCaseCase& c : cases) {
        for (const QString& name : QDir(Folder.path()).entryList(QDir::Files))
            QFile::remove(Folder.filePath(name));
        for (const auto& [name, bytes] : c.Before)
            WriteFile(Folder.filePath(QString::fromStdString(name)), bytes);
        Window->ReloadAll();
        EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "C"})) << c.Name;
        Window->bbSaveClick();
        EXPECT_EQ(CaseKeyed(HostFolder()), CaseKeyed(c.After)) << c.Name;
    }
    EXPECT_EQ(Shown(), TShown{});
}

// A failure names the library as it is spelt on the disk (Windows opens the name as given).
#ifndef Q_OS_WIN
TEST_F(MainHostFiles, ReadFailureNamesTheEntryOnDisk) {
    ASSERT_TRUE(QDir(Folder.path()).mkdir(u"SCENERY.cfg"_s));
    Window->ReloadAll();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Error, u"Scenery.cfg could not be read: "_s +
                                            Folder.filePath(u"SCENERY.cfg"_s) + u": not a regular file"_s}}));
}
#endif

struct TOutsideCase {
    const char* Name;
    const char* Action; // what another process does, if anything
    const char* File;   // to which file of the host folder
    const char* Question;
};

class MainOutsideChange : public MainHostFiles, public testing::WithParamInterface<TOutsideCase> {};

// Another program's change is never saved over unasked, and Enter does not overwrite it; a new time
// alone is no change.
TEST_P(MainOutsideChange, IsAskedAboutBeforeAnythingIsWritten) {
    Load(Library);
    Window->bbRenumberClick();
    if (*GetParam().Action) {
        ASSERT_EQ(OtherWriterDoes(QString::fromLatin1(GetParam().Action),
                                  Folder.filePath(QString::fromLatin1(GetParam().File))),
                  0);
    }
    const std::map<std::string, std::string> changed = HostFolder();
    Boxes.AnswerNext(false);
    Window->bbSaveClick();
    if (GetParam().Question) {
        EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, QString::fromUtf8(GetParam().Question)},
                                   {TBoxKind::Error, NotSaved}}));
        ASSERT_FALSE(Boxes.Boxes().empty());
        EXPECT_TRUE(Boxes.Boxes().front().DefaultNo);
        EXPECT_EQ(HostFolder(), changed);
        EXPECT_TRUE(Window->IsModified());
    } else {
        EXPECT_EQ(Shown(), TShown{});
        EXPECT_EQ(FileBytes(CfgPath()), Saved());
    }
}

const char* const Changed =
    "Scenery.cfg was changed by another program after it was loaded. Overwrite it anyway?";

// clang-format off
const TOutsideCase OutsideCases[] = {
    {"Untouched", "", "Scenery.cfg", nullptr},
    {"Touched", "touch", "Scenery.cfg", nullptr},
    {"Appended", "append", "Scenery.cfg", Changed},
    {"ReplacedByRenameInTheSameSize", "rewrite", "Scenery.cfg", Changed},
    {"Deleted", "delete", "Scenery.cfg", "Scenery.cfg was deleted by another program after it was loaded. Save it anyway?"},
    {"PendingWritten", "append", "newscenery.CFG", "The simulator's Scenery Library changed the library after it was loaded (NewScenery.cfg). Overwrite it anyway?"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Writers, MainOutsideChange, testing::ValuesIn(OutsideCases), CaseName);

// Yes saves as ever, the backup taking the other program's file; the own save is no outside change.
TEST_F(MainHostFiles, OverwritingIsTheUsersChoiceAndTheOwnSaveIsNoChange) {
    Load(Library);
    ASSERT_EQ(OtherWriterDoes(u"append"_s, CfgPath()), 0);
    const std::string changed = FileBytes(CfgPath());
    Boxes.AnswerNext(true);
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()), Saved());
    EXPECT_EQ(FileBytes(Folder.filePath(u"Scenery.qrw"_s)), changed);
    Window->bbSaveClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, ChangedQuestion}}));
}

// Coming back to the window after another program wrote the library tells the user at once.
TEST_F(MainHostFiles, ActivationSaysWhenTheLibraryChanged) {
    Load(Library);
    Window->show();
    QApplication::setActiveWindow(Window.get());
    const QString loaded = Child<QStatusBar>("sbStatus")->currentMessage();
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(OtherWriterDoes(u"append"_s, CfgPath()), 0);
    QApplication::setActiveWindow(Window.get());
    EXPECT_EQ(loaded, u"3 areas, 3 with a missing folder."_s);
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(),
              u"Scenery.cfg was changed by another program. Revert loads it."_s);
}

// The simulator's pending list is what it will fly with: Quarrow shows it, says so, and a save leaves
// the list in Scenery.cfg, the pending bytes in the backup and no pending file to swap in.
TEST_F(MainHostFiles, PendingListIsLoadedAndSavedIntoTheLibrary) {
    const std::string pending = CfgText(Library);
    WriteCfg(CfgText(Numbered(1)));
    WriteFile(Folder.filePath(u"newscenery.CFG"_s), pending);
    Window->ReloadAll();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(
        Child<QStatusBar>("sbStatus")->currentMessage(),
        u"newscenery.CFG loaded: the simulator's own pending changes, which it applies at its next start. "
        u"3 areas, 3 with a missing folder."_s);
    EXPECT_EQ(Child<QPushButton>("bbSave")->statusTip(), u"Save changes to "_s + CfgPath());
    Window->bbSaveClick();
    EXPECT_EQ(HostFolder(),
              (std::map<std::string, std::string>{{"Scenery.cfg", Saved()}, {"Scenery.qrw", pending}}));
    EXPECT_EQ(Shown(), TShown{});
}

// Enter must not save over the simulator's own later save of its library.
TEST_F(MainHostFiles, RunningSimulatorIsAskedAboutWithNoAsDefault) {
    Load(Library);
    System.Running = true;
    Window->bbSaveClick();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Confirmation,
                       u"Flight Simulator 2004 is running. It reads the scenery library only when it starts, "
                       u"and saving its own Scenery Library later would replace what Quarrow saves now. Save "
                       u"anyway?"_s},
                      {TBoxKind::Error, NotSaved}}));
    EXPECT_TRUE(Boxes.Boxes().front().DefaultNo);
    EXPECT_EQ(FileBytes(CfgPath()), CfgText(Library));
}

// Areas an installer wrote into the host folder's file while the simulator read its per-user copy are
// offered once, and Yes adds them as one step.
TEST_F(MainHostFiles, PerUserCopyIsShownAndTheHostFoldersOtherAreasOffered) {
    const QString user = InstalledBesidePerUserCopy();
    Boxes.AnswerNext(true);
    Window->ReloadAll();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, u"1 area of "_s + CfgPath() +
                                                            u" is not in the library the simulator reads: "
                                                            u"Installed. Add it?"_s}}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "Installed"}));
    EXPECT_EQ(Child<QAction>("cmEditUndo")->text(), u"&Undo Add installed areas"_s);
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()), CfgText({{1, "A", 1}, {2, "Installed", 2}}));
    EXPECT_EQ(FileBytes(user + u"Scenery.cfg"_s),
              GeneralText() + SavedArea(1, "A", "Scenery\\1") + SavedArea(2, "Installed", "Scenery\\2"));
}

// The question comes over the shown window; No is remembered for those areas until an installer changes
// the host folder's file again.
TEST_F(MainHostFiles, DeclinedInstalledAreasAreOfferedAgainOnlyAfterTheHostFileChanges) {
    const QString user = InstalledBesidePerUserCopy();
    Window->show();
    EXPECT_EQ(Shown(), TShown{});
    QApplication::processEvents();
    EXPECT_EQ(Shown().size(), 1u);
    Window->ReloadAll();
    EXPECT_EQ(Shown().size(), 1u);
    // The bar names the copy, its tooltip the folder too.
    const QStatusBar* status = Child<QStatusBar>("sbStatus");
    EXPECT_EQ(status->currentMessage(),
              u"Scenery.cfg loaded from the simulator's per-user copy. 1 area, 1 with "
              u"a missing folder."_s);
    EXPECT_EQ(status->toolTip(), u"Scenery.cfg loaded from the simulator's per-user copy in "_s + user +
                                     u". 1 area, 1 with a missing folder."_s);
    WriteCfg(CfgText({{1, "A", 1}, {2, "Installed", 2}, {3, "New", 3}}));
    Window->ReloadAll();
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].second,
              u"2 areas of "_s + CfgPath() +
                  u" are not in the library the simulator reads: Installed, New. Add them?"_s);
}

} // namespace
