#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ProfilesDialog.h"
#include "model/library/LibraryProfiles.h"
#include "support/ActiveFlags.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

using MainProfiles = TMainWindowTest;

// The menu item opens the dialog; Enter applies the chosen profile as one step, which one undo takes back.
TEST_F(MainProfiles, AppliesTheChosenProfileAsOneStep) {
    Load(Numbered(5));
    const std::string library = CfgPath().toLocal8Bit().toStdString();
    const TSelection rows{0, 0, 1, 0, 1};
    ASSERT_EQ(
        SaveProfile(Profiles, library, "Lean", SetActive(Window->Document(), rows, false).Step.Document), "");
    std::vector<QString> shown;
    WhenModal<TProfilesDlg>([&shown](TProfilesDlg* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>(u"lvProfiles"_s);
        shown = {list->topLevelItem(0)->text(0), list->topLevelItem(0)->text(1),
                 dialog->findChild<QLabel*>(u"lSummary"_s)->text()};
        for (int row = 0; row < dialog->findChild<QListWidget*>(u"lbxChanges"_s)->count(); ++row)
            shown.push_back(dialog->findChild<QListWidget*>(u"lbxChanges"_s)->item(row)->text());
        QTest::keyClick(list, Qt::Key_Return);
    });
    auto* item = Child<QAction>("cmFileProfiles");
    EXPECT_EQ(item->shortcut(), QKeySequence(u"Ctrl+P"_s));
    item->trigger();
    EXPECT_EQ(shown,
              (std::vector<QString>{u"Lean"_s, u"3 of 5 areas active"_s, u"Switches on 0 areas, off 2."_s,
                                    u"T2: switched off."_s, u"T4: switched off."_s}));
    EXPECT_EQ(ActiveFlags(Window->Document()), "++-+-");
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(),
              u"Applied profile Lean: 0 areas switched on, 2 off. Save Changes writes it."_s);
    EXPECT_EQ(Child<QAction>("cmEditUndo")->text(), u"&Undo Apply profile Lean"_s);
    Window->cmEditUndoClick();
    EXPECT_EQ(ActiveFlags(Window->Document()), "+++++");
    EXPECT_FALSE(Window->IsModified());
}

} // namespace
