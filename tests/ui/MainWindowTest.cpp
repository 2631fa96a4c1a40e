#include "DialogRecorder.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

class TMainWindowLoadTest : public TMainWindowTest {
protected:
    QString Status() const { return Child<QStatusBar>("sbStatus")->currentMessage(); }
    QString FieldText(const char* name) const { return Child<QLineEdit>(name)->text(); }
};

TEST_F(TMainWindowLoadTest, RowsFollowSectionNumbersAndShowLayers) {
    WriteCfg(
        CfgText({{1, "One", 11}, {2, "Two", 12, false}, {5, "Five", 15}, {3, "Z\xfcrich", 13, true, true}}));
    Window->ReloadAll();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"One", "Two", "Z\xc3\xbcrich", "Five"}));
    EXPECT_EQ(Cells(0), (std::vector<std::string>{"11", "12", "13", "15"}));
    EXPECT_EQ(Cells(2), (std::vector<std::string>{"A", "", "A", "A"}));
    EXPECT_EQ(Cells(3), (std::vector<std::string>{"", "", "R", ""}));
    EXPECT_EQ(List->Row(3)->Area().Number, 5);
    EXPECT_EQ(FieldText("eCfgTitle"), u"Test World"_s);
    EXPECT_EQ(FieldText("eDescription"), u"Test Data"_s);
    EXPECT_TRUE(Child<QCheckBox>("cbCleanOnExit")->isChecked());
    EXPECT_EQ(Selected(), std::vector<int>{0});
    EXPECT_EQ(Window->Current(), List->Row(0));
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(TMainWindowLoadTest, EmptyOrMissingFileGivesEmptyListAndNoCurrentRow) {
    for (bool missing : {true, false}) {
        Load(Numbered(3));
        Window->bbAddClick();
        if (missing)
            QFile::remove(CfgPath());
        else
            WriteCfg("");
        Window->ReloadAll();
        EXPECT_EQ(List->RowCount(), 0);
        EXPECT_EQ(Window->Current(), nullptr);
        EXPECT_FALSE(Window->IsModified());
        EXPECT_EQ(FieldText("eCfgTitle"), QString());
        EXPECT_EQ(FieldText("eDescription"), QString());
        EXPECT_FALSE(Child<QCheckBox>("cbCleanOnExit")->isChecked());
    }
}

// The fields the user never types into look like information, not input.
TEST_F(TMainWindowLoadTest, EditorStartsWithInformationFieldsAndNoReadOnlyLabel) {
    EXPECT_TRUE(Child<QLabel>("lReadOnly")->isHidden());
    const QColor info = QPalette().color(QPalette::ToolTipBase);
    for (const char* name : {"eLayer", "eLocal", "eRemote"})
        EXPECT_EQ(Child<QLineEdit>(name)->palette().color(QPalette::Base), info) << name;
}

TEST_F(TMainWindowLoadTest, MenuItemsRunTheListCommands) {
    Load(Numbered(3));
    Child<QAction>("cmAreaNew")->trigger();
    EXPECT_EQ(List->RowCount(), 4);
    Child<QAction>("cmAreaRenumber")->trigger();
    EXPECT_EQ(Cells(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    Select({2});
    Child<QAction>("cmAreaDuplicate")->trigger();
    EXPECT_EQ(Titles().back(), "Copy of T2");
}

// Showing the window loads the host's file.
TEST_F(TMainWindowLoadTest, ShownWindowLoadsTheFileAndShowsHintsInTheStatusBar) {
    WriteCfg(CfgText(Numbered(2)));
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    EXPECT_EQ(Titles(), TitlesOf({0, 1}));
    // After a load the status bar counts the areas and their missing folders; hints come and go over it.
    const QString resting = Status();
    EXPECT_EQ(resting, u"2 areas, 2 with a missing folder."_s);
    QTest::mouseMove(Child<QWidget>("bbDupl"));
    EXPECT_EQ(Status(), u"Duplicate selected area"_s);
    QTest::mouseMove(Child<QWidget>("bbRevert"));
    EXPECT_EQ(Status(), u"Revert to last saved state"_s);
    QTest::mouseMove(Child<QWidget>("eDescription"));
    EXPECT_EQ(Status(), resting);
    Child<QAction>("cmEditPaste")->showStatusText(Child<QMenuBar>("Hauptmenue"));
    EXPECT_EQ(Status(), u"Paste clipboard content to selected position"_s);
    Child<QAction>("cmHelpAbout")->showStatusText(Child<QMenuBar>("Hauptmenue"));
    EXPECT_EQ(Status(), resting);
    QTest::mouseMove(Child<QWidget>("bbAdd"));
    Window->ReloadAll();
    EXPECT_EQ(Status(), resting);
}

TEST_F(TMainWindowLoadTest, AboutBoxShowsInfoAndClosesWithOk) {
    QString title;
    QString product;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        product = box->findChild<QLabel*>(u"ProductName"_s)->text();
        box->findChild<QPushButton*>(u"OKButton"_s)->click();
    });
    Window->Dialogs().cmHelpAboutClick();
    EXPECT_EQ(title, u"Info"_s);
    EXPECT_EQ(product, u"Quarrow"_s);
}

// Every number a library can hold shows whole, and 2000 rows need no horizontal scroll bar.
TEST_F(TMainWindowLoadTest, ColumnsFitTheListAndItsLargestNumber) {
    Load(Numbered(1999));
    Window->show();
    QApplication::processEvents();
    List->scrollToBottom();
    const QModelIndex last = List->model()->index(1998, 0);
    ASSERT_EQ(last.data().toString(), u"1999"_s);
    QStyleOptionViewItem option;
    option.initFrom(List);
    EXPECT_LE(List->itemDelegate()->sizeHint(option, last).width(), List->header()->sectionSize(0));
    EXPECT_FALSE(List->horizontalScrollBar()->isVisible());
    EXPECT_EQ(List->header()->sectionSize(2), 22);
}

// A label's accelerator moves the focus to its button; it never clicks it, which would open the picker.
TEST_F(TMainWindowLoadTest, LabelAcceleratorsOnlyFocusTheirButtons) {
    Load(Numbered(4));
    TDialogRecorder dialogs;
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    Select({2});
    for (const auto& [key, button] : {std::pair{Qt::Key_L, "bbLocal"}, std::pair{Qt::Key_R, "bbRemote"}}) {
        QTest::keyClick(Window->windowHandle(), key, Qt::AltModifier);
        QTest::qWait(200); // a click by Qt would come on a timer
        EXPECT_EQ(QApplication::focusWidget(), Child<QWidget>(button));
    }
    EXPECT_TRUE(dialogs.Requests().empty());
}

} // namespace
