#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "NewFoldersDialog.h"
#include "ui/DialogRecorder.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// A host folder with add-ons below Addon Scenery: Alps and Kona hold scenery\*.bgl, Notes holds none;
// row 3's area has Scenery\4, which is on the disk too.
class TAddFoldersTest : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        for (const char* file : {"Addon Scenery/Alps/scenery/alps.bgl", "Addon Scenery/Kona/SCENERY/KONA.BGL",
                                 "Addon Scenery/Notes/readme.txt", "Scenery/4/scenery/world.bgl"})
            WriteFile(Folder.filePath(QLatin1StringView(file)), "");
        Load(Numbered(4));
    }
    QString Native(const char* path) const {
        return QDir::toNativeSeparators(Folder.filePath(QLatin1StringView(path)));
    }
    QString Status() const { return Child<QStatusBar>("sbStatus")->currentMessage(); }

    TDialogRecorder Dialogs;
};

TEST_F(TAddFoldersTest, ChosenFoldersBecomeAreasSavedWithRelativePaths) {
    Select({2, 3});
    Dialogs.AnswerNext(Native("Addon Scenery/Notes") + u'\n' + Native("Addon Scenery/Kona") + u'\n' +
                       Native("Addon Scenery/Alps") + u'\n' + Native("Scenery/4"));
    Child<QAction>("cmAreaAddFolders")->trigger();
    ASSERT_EQ(Dialogs.Requests().size(), 1u);
    EXPECT_EQ(Dialogs.Requests()[0].Title, u"Add Scenery Folders"_s);
    EXPECT_EQ(Dialogs.Requests()[0].Initial, QString::fromStdString(TestPrefs.FSPath) + u"Addon Scenery"_s);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "T3", "Alps", "Kona", "Notes"}));
    EXPECT_EQ(Selected(), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Window->Current(), List->Row(4));
    EXPECT_EQ(Status(), u"3 areas added, 1 already in the library. 1 folder without a scenery subfolder."_s);
    TestPrefs.Backup = false;
    Boxes.AnswerNext(true);
    Window->bbSaveClick();
    const std::string saved = FileBytes(CfgPath());
    EXPECT_NE(saved.find(SavedArea(5, "Alps", "Addon Scenery\\Alps")), std::string::npos) << saved;
    EXPECT_NE(saved.find(SavedArea(7, "Notes", "Addon Scenery\\Notes")), std::string::npos) << saved;
}

// The dialog offers the add-ons no area has, each checked; Add takes the ones still checked.
TEST_F(TAddFoldersTest, FindNewFoldersOffersWhatTheLibraryLacks) {
    QStringList offered;
    WhenModal<TNewFoldersDlg>([&offered](TNewFoldersDlg* dialog) {
        auto* list = dialog->findChild<QListWidget*>(u"lbxFolders"_s);
        for (int row = 0; row < list->count(); ++row)
            offered.append(list->item(row)->text() +
                           (list->item(row)->checkState() == Qt::Checked ? u" +"_s : u""_s));
        EXPECT_EQ(dialog->windowTitle(), u"New Scenery Folders"_s);
        list->item(0)->setCheckState(Qt::Unchecked);
        dialog->findChild<QPushButton*>(u"bbAdd"_s)->click();
    });
    Window->FolderCommands().cmAreaFindNewClick();
    EXPECT_EQ(offered, (QStringList{u"Addon Scenery\\Alps +"_s, u"Addon Scenery\\Kona +"_s}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "T3", "Kona"}));

    Dialogs.AnswerNext(Native("Addon Scenery/Alps"));
    Window->FolderCommands().cmAreaAddFoldersClick();
    Window->FolderCommands().cmAreaFindNewClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Information,
                                u"No new scenery folders found in "_s + Native("Addon Scenery") + u"."_s}}));
}

// Select All leaves row 0 current: Deactivate still takes every editable row but the required one.
TEST_F(TAddFoldersTest, DeactivateTakesTheEditableRowsOfTheSelection) {
    std::vector<TCfgArea> areas = Numbered(6);
    areas[4].Required = true;
    Load(areas);
    List->selectAll();
    Child<QAction>("cmAreaDeactivate")->trigger();
    EXPECT_EQ(Cells(2), (std::vector<std::string>{"A", "A", "", "", "A", ""}));
    EXPECT_EQ(Status(), u"1 required area stays active."_s);
    Select({1});
    EXPECT_FALSE(Child<QAction>("cmAreaActivate")->isEnabled());
}

#ifndef Q_OS_WIN
// Without a Wine prefix no drive of the simulator leads outside its folder: such a folder is refused.
TEST_F(TAddFoldersTest, AFolderTheSimulatorCannotReachIsRefused) {
    QTemporaryDir outside;
    Dialogs.AnswerNext(Native("Addon Scenery/Alps") + u'\n' + QDir::toNativeSeparators(outside.path()));
    Window->FolderCommands().cmAreaAddFoldersClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Error, u"The simulator cannot reach "_s +
                                                     QDir::toNativeSeparators(outside.path()) +
                                                     u": no drive of its Wine prefix leads there."_s}}));
    EXPECT_EQ(List->RowCount(), 4);
    EXPECT_FALSE(Window->IsModified());
}
#endif

} // namespace
