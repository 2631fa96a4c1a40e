#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "RestoreDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the dialog showed: each row's cells joined by " | ", then the selected row's differences.
struct TShownPoints {
    std::vector<std::string> Rows;
    std::vector<std::string> Differences;
    bool ListHasFocus = false;
};

TShownPoints ShownPoints(TRestoreDlg* dialog) {
    TShownPoints shown;
    auto* points = dialog->findChild<QTreeWidget*>(u"lvPoints"_s);
    for (int row = 0; row < points->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = points->topLevelItem(row);
        shown.Rows.push_back(item->text(1).toStdString() + " | " + item->text(2).toStdString());
    }
    auto* differences = dialog->findChild<QListWidget*>(u"lbxDifferences"_s);
    for (int row = 0; row < differences->count(); ++row)
        shown.Differences.push_back(differences->item(row)->text().toStdString());
    shown.ListHasFocus = dialog->focusWidget() == points;
    return shown;
}

class MainRestore : public TMainWindowTest {
protected:
    QString Status() const { return Child<QStatusBar>("sbStatus")->currentMessage(); }
};

// Three saves keep three points; the oldest comes back as one step, which one undo takes back, and the
// next save writes it numbered from 1.
TEST_F(MainRestore, BringsTheOldestBackAsOneStepAndSavesItRenumbered) {
    Load({{3, "T0", 5}, {10, "T1", 2}, {11, "T2", 9}, {12, "T3", 4}, {20, "T4", 1}});
    Select({4});
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    Window->bbSaveClick();
    Select({3});
    Window->bbUpClick();
    Window->bbSaveClick();
    Select({2});
    Child<QCheckBox>("cbActive")->setChecked(false);
    Window->bbSaveClick();
    TShownPoints shown;
    WhenModal<TRestoreDlg>([&shown](TRestoreDlg* dialog) {
        auto* points = dialog->findChild<QTreeWidget*>(u"lvPoints"_s);
        shown = ShownPoints(dialog);
        QTest::keyClick(points, Qt::Key_End);
        QTest::keyClick(points, Qt::Key_Return);
    });
    Window->Dialogs().cmFileRestorePointsClick();
    EXPECT_EQ(shown.Rows, (std::vector<std::string>{"4 | 1 changed", "4 | 1 moved, 1 changed",
                                                    "5 | +1, 1 moved, 1 changed"}));
    EXPECT_EQ(shown.Differences, (std::vector<std::string>{"T3: switched on."}));
    EXPECT_TRUE(shown.ListHasFocus);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "T3", "T4"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0}));
    EXPECT_TRUE(Window->IsModified());
    EXPECT_TRUE(Child<QAction>("cmEditUndo")->text().startsWith(u"&Undo Restore 20"_s));
    Window->cmEditUndoClick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T3", "T2"}));
    Window->cmEditRedoClick();
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()),
              GeneralText() + SavedArea(1, "T0", "Scenery\\3") + SavedArea(2, "T1", "Scenery\\10") +
                  SavedArea(3, "T2", "Scenery\\11") + SavedArea(4, "T3", "Scenery\\12") +
                  SavedArea(5, "T4", "Scenery\\20"));
}

// The points of another host folder's library are not offered; with none, only Abbrechen is there.
TEST_F(MainRestore, OffersNoPointOfAnotherLibrary) {
    Load(Numbered(3));
    Window->bbSaveClick();
    QTemporaryDir other;
    WriteFile(other.filePath(u"Scenery.cfg"_s), CfgText(Numbered(2)));
    TestPrefs.FSPath = other.path().toLocal8Bit().toStdString() + "/";
    Window->ReloadAll();
    TShownPoints shown;
    bool restoreEnabled = true;
    QString empty;
    WhenModal<TRestoreDlg>([&](TRestoreDlg* dialog) {
        shown = ShownPoints(dialog);
        restoreEnabled = dialog->findChild<QPushButton*>(u"bbRestore"_s)->isEnabled();
        const auto* label = dialog->findChild<QLabel*>(u"lNoPoints"_s);
        empty = label->isVisible() ? label->text() : QString();
        dialog->findChild<QPushButton*>(u"bbCancel"_s)->click();
    });
    Window->Dialogs().cmFileRestorePointsClick();
    EXPECT_TRUE(shown.Rows.empty());
    EXPECT_FALSE(restoreEnabled);
    EXPECT_EQ(empty, u"No restore points yet: every save keeps one."_s);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1"}));
    EXPECT_FALSE(Window->IsModified());
}

// A file where the data folder should be: the library is saved all the same, and the status bar says
// why no point was kept.
TEST_F(MainRestore, SaveStandsWhenNoPointCanBeKept) {
    WriteFile(DataFolder.filePath(u"Quarrow"_s), "not a folder");
    const QString folder = DataFolder.filePath(u"Quarrow/Restore Points"_s);
    const TRestorePointFolder blocked(folder);
    Window = std::make_unique<THauptformular>(Services(Host, TestPrefs, blocked));
    List = Window->findChild<TAreaListView*>(u"lvAreas"_s);
    Load(Numbered(3));
    Select({2});
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    Boxes.Clear();
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()),
              GeneralText() + SavedArea(1, "T0", "Scenery\\1") + SavedArea(2, "T1", "Scenery\\2"));
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(Status(),
              u"Saved; the restore point could not be kept: the folder "_s +
                  QDir::toNativeSeparators(blocked.LibraryFolder(CfgPath().toLocal8Bit().toStdString())) +
                  u" could not be made."_s);
    EXPECT_TRUE(Shown().empty());
    Window.reset();
}

} // namespace
