#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window shown and active with the focus in the list, as after a click on a row.
class TClipboardTest : public TMainWindowTest {
protected:
    void Load(int rows) {
        TMainWindowTest::Load(Numbered(rows));
        Window->show();
        Window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
        List->setFocus();
    }
    // Through the window system, as a typed key arrives, so the menu's shortcuts see it.
    void Press(QKeySequence::StandardKey key) {
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(Window->windowHandle(), combination.key(), combination.keyboardModifiers());
    }
    std::vector<std::string> Numbers() const { return Cells(0); }
};

// Each paste inserts copies: editing one block changes neither the other nor the clipboard.
TEST_F(TClipboardTest, PastedAreasAreCopies) {
    Load(6);
    Select({3});
    Press(QKeySequence::Copy);
    EXPECT_FALSE(Window->IsModified());
    Press(QKeySequence::Paste);
    Press(QKeySequence::Paste);
    Select({3});
    Child<QLineEdit>("eTitle")->setText(u"Edited"_s);
    Select({2});
    List->setFocus();
    Press(QKeySequence::Paste);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T3", "T2", "Edited", "T3", "T3", "T4", "T5"}));
}

TEST_F(TClipboardTest, CutMovesTheAreasOutAndPasteBringsThemBack) {
    Load(8);
    Select({5, 3});
    Press(QKeySequence::Cut);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 4, 6, 7}));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Window->Current(), nullptr);
    Select({2});
    Press(QKeySequence::Paste);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 5, 3, 2, 4, 6, 7}));
}

// Cut with nothing selected only empties the clipboard; Paste with nothing selected only renumbers.
TEST_F(TClipboardTest, NothingSelected) {
    Load(6);
    Select({3});
    Press(QKeySequence::Copy);
    Select({});
    Press(QKeySequence::Paste);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(Window->IsModified());
    Press(QKeySequence::Cut);
    Select({4});
    Press(QKeySequence::Paste);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 3, 4, 5}));
}

// With the list unfocused the keys work on the edit field and the system clipboard; while a protected
// row is current the disabled menu items take them, text fields included.
TEST_F(TClipboardTest, EditFieldsUseTheSystemClipboardUnlessTheRowIsProtected) {
    Load(6);
    Select({3});
    Press(QKeySequence::Copy);
    QApplication::clipboard()->setText(u"before"_s);
    auto* title = Child<QLineEdit>("eTitle");
    title->setFocus();
    title->selectAll();
    Press(QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), u"T3"_s);

    Select({1});
    QApplication::clipboard()->setText(u"before"_s);
    auto* general = Child<QLineEdit>("eCfgTitle");
    general->setFocus();
    general->selectAll();
    Press(QKeySequence::Copy);
    Press(QKeySequence::Paste);
    EXPECT_EQ(QApplication::clipboard()->text(), u"before"_s);
    EXPECT_EQ(general->text(), u"Test World"_s);

    Select({4});
    List->setFocus();
    Press(QKeySequence::Paste);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 3, 3, 4, 5}));
}

} // namespace
