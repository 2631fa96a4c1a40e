#include "MainWindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window shown and active, on a library of 300 areas T0 ... T299 where row 250 is "SimWings KSEA
// Seattle", row 120 "Who? Where?" and every row from 200 on inactive; the keys arrive through the
// window system.
class TFindTest : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        std::vector<TCfgArea> areas = Numbered(300);
        areas[250].Title = "SimWings KSEA Seattle";
        areas[120].Title = "Who? Where?";
        for (std::size_t row = 200; row < areas.size(); ++row)
            areas[row].Active = false;
        WriteCfg(CfgText(areas));
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
        Find = Child<QLineEdit>("eFind");
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Window->windowHandle(), key, modifiers);
    }
    void Search(const QString& text) {
        Press(Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(Find, text);
    }
    std::vector<int> ShownRows() const {
        std::vector<int> rows;
        for (int row = 0; row < List->RowCount(); ++row)
            if (!List->Row(row)->isHidden())
                rows.push_back(row);
        return rows;
    }
    QString Found() const { return Child<QLabel>("lFound")->text(); }
    bool InView(int row) const {
        QApplication::processEvents();
        return List->viewport()->rect().contains(List->visualItemRect(List->Row(row)).center());
    }

    QLineEdit* Find = nullptr;
};

TEST_F(TFindTest, TypingFiltersAndDownLandsOnTheFirstMatch) {
    // No title holds a character the code page lacks, whatever it would be written as.
    Find->insert(u"漢"_s);
    EXPECT_EQ(Found(), u"0 of 300 areas"_s);
    Find->clear();
    Search(u"seattle"_s);
    EXPECT_EQ(ShownRows(), std::vector<int>{250});
    EXPECT_EQ(Found(), u"1 of 300 areas"_s);
    EXPECT_FALSE(Child<QPushButton>("bbUp")->isEnabled());
    EXPECT_EQ(Child<QPushButton>("bbUp")->statusTip(), u"Show all areas to change the order here"_s);
    Press(Qt::Key_Down);
    EXPECT_TRUE(List->hasFocus());
    EXPECT_EQ(Selected(), std::vector<int>{250});
    EXPECT_EQ(Window->Current(), List->Row(250));
    EXPECT_EQ(Child<QLineEdit>("eTitle")->text(), u"SimWings KSEA Seattle"_s);

    Child<QComboBox>("cbxShow")->setCurrentIndex(2);
    Find->clear();
    EXPECT_EQ(ShownRows().size(), 100u);
    EXPECT_EQ(ShownRows().front(), 200);
    EXPECT_EQ(Found(), u"100 of 300 areas"_s);
    List->setFocus();
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(), ShownRows());
    // The row the filter hides leaves the selection.
    Child<QComboBox>("cbxShow")->setCurrentIndex(1);
    EXPECT_EQ(Selected(), std::vector<int>{});
    EXPECT_EQ(Window->Current(), nullptr);
}

TEST_F(TFindTest, EscapeShowsEveryRowWithTheFoundOneSelectedAndInView) {
    Search(u"SEATTLE"_s);
    Press(Qt::Key_Return);
    Find->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(ShownRows().size(), 300u);
    EXPECT_EQ(Find->text(), QString());
    EXPECT_EQ(Child<QComboBox>("cbxShow")->currentText(), u"All areas"_s);
    EXPECT_EQ(Found(), QString());
    EXPECT_EQ(Selected(), std::vector<int>{250});
    EXPECT_TRUE(InView(250));
    EXPECT_TRUE(Child<QPushButton>("bbUp")->isEnabled());
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(TFindTest, MoveToBottomOfAFoundRowAndOneUndo) {
    Search(u"seattle"_s);
    Press(Qt::Key_Down);
    Press(Qt::Key_End, Qt::AltModifier);
    EXPECT_EQ(Titles().back(), "SimWings KSEA Seattle");
    EXPECT_EQ(Cells(0).back(), "300");
    EXPECT_EQ(ShownRows(), std::vector<int>{299});
    EXPECT_EQ(Selected(), std::vector<int>{299});
    EXPECT_EQ(Child<QAction>("cmEditUndo")->text(), u"&Undo Move to Bottom"_s);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Titles()[250], "SimWings KSEA Seattle");
    EXPECT_EQ(Titles().back(), "T299");
    EXPECT_EQ(ShownRows(), std::vector<int>{250});
    EXPECT_FALSE(Window->IsModified());
}

// An added row stays in sight though it does not match, until the filter changes.
TEST_F(TFindTest, AnAddedRowStaysShownUntilTheFilterChanges) {
    Search(u"seattle"_s);
    Window->bbAddClick();
    EXPECT_EQ(ShownRows(), (std::vector<int>{250, 300}));
    EXPECT_EQ(Selected(), std::vector<int>{300});
    QTest::keyClick(Find, Qt::Key_Backspace);
    EXPECT_EQ(ShownRows(), std::vector<int>{250});
    EXPECT_EQ(Window->Current(), nullptr);
}

TEST_F(TFindTest, CtrlSSavesAndDeleteInTheListDeletes) {
    Select({5});
    List->setFocus();
    Boxes.AnswerNext(true);
    Press(Qt::Key_Delete);
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, u"Do you really want to delete area \"T5\"?"_s}}));
    EXPECT_EQ(Titles()[5], "T6");
    Find->setFocus();
    Press(Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(FileBytes(CfgPath()).find("Title=T5\r\n"), std::string::npos);
}

TEST_F(TFindTest, IconButtonsHaveTheirHintsAsTooltips) {
    for (const char* name : {"bbLocal", "bbRemote", "bbFlattenAdd", "bbFlattenEdit", "bbFlattenDelete"}) {
        const auto* button = Child<QPushButton>(name);
        EXPECT_EQ(button->toolTip(), button->statusTip()) << name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(Child<QPushButton>("bbSave")->toolTip(), QString());
}

} // namespace
