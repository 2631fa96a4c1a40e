#include "MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window shown and active, as a user has it: the keys arrive through the window system.
class TUndoTest : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        WriteCfg(CfgText(Numbered(6)));
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(Window->windowHandle(), key, modifiers);
    }
    QString Caption(const char* item) const { return Child<QAction>(item)->text(); }
};

// Every command of the run is one step; undoing them all gives back the loaded library byte for byte,
// with nothing to ask at the close, and redoing them gives back the run's end.
TEST_F(TUndoTest, UndoingTheWholeRunGivesBackTheLoadedLibrary) {
    const std::string set = QDir(Folder.path()).filePath(u"set.sas"_s).toStdString();
    WriteFile(QString::fromStdString(set), "[Area.001]\r\nTitle=S\r\nLocal=Scenery\\S\r\n");
    Window->bbSaveClick();
    const std::string saved = FileBytes(CfgPath());
    EXPECT_EQ(Caption("cmEditUndo"), u"&Undo"_s);
    EXPECT_FALSE(Child<QAction>("cmEditUndo")->isEnabled());

    Select({3});
    Window->bbDownClick();
    EXPECT_EQ(Caption("cmEditUndo"), u"&Undo Move down"_s);
    Select({2});
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    Select({2});
    auto* title = Child<QLineEdit>("eTitle");
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, u"Alps"_s);
    List->setFocus();
    Select({4});
    Press(Qt::Key_C);
    Press(Qt::Key_V);
    Select({3});
    Window->AreaSets().ImportAreaSet(QString::fromStdString(set), TInsertPlace::BeforeSelected);
    const std::vector<std::string> afterRun = Titles();
    EXPECT_EQ(afterRun, (std::vector<std::string>{"T0", "T1", "Alps", "S", "T3", "T5", "T5"}));

    // The field has the focus, yet the keys undo the document, not the field.
    title->setFocus();
    for (int step = 0; step < 5; ++step)
        Press(Qt::Key_Z);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(Caption("cmEditRedo"), u"&Redo Move down"_s);
    Window->bbSaveClick();
    EXPECT_EQ(FileBytes(CfgPath()), saved);
    EXPECT_TRUE(Window->FormCloseQuery());
    EXPECT_EQ(Shown().size(), 1u);

    for (int step = 0; step < 3; ++step)
        Press(Qt::Key_Y);
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Press(Qt::Key_Y);
    EXPECT_EQ(Titles(), afterRun);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_TRUE(Window->IsModified());
    EXPECT_EQ(Caption("cmEditUndo"), u"&Undo Import"_s);
    EXPECT_FALSE(Child<QAction>("cmEditRedo")->isEnabled());
}

// An undo puts back the area and the General fields exactly, and the editor shows the row it touched.
TEST_F(TUndoTest, UndoRestoresTheEditedFieldsAndFollowsTheRow) {
    Select({4});
    auto* exclude = Child<QLineEdit>("eExclude");
    exclude->setFocus();
    QTest::keyClicks(exclude, u"x.bgl"_s);
    auto* description = Child<QLineEdit>("eDescription");
    description->setFocus();
    QTest::keyClicks(description, u"!"_s);
    Select({2});
    Press(Qt::Key_Z);
    EXPECT_EQ(description->text(), u"Test Data"_s);
    Press(Qt::Key_Z);
    EXPECT_EQ(Window->Current(), List->Row(4));
    EXPECT_EQ(exclude->text(), QString());
    EXPECT_EQ(List->Row(4)->Area().Exclude, "");
    EXPECT_FALSE(Window->IsModified());
}

} // namespace
