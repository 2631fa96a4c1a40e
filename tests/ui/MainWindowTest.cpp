#include "MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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
    EXPECT_EQ(Window->CurrentItem, List->Row(0));
    EXPECT_FALSE(Window->Modified);
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
        EXPECT_EQ(Window->CurrentItem, nullptr);
        EXPECT_FALSE(Window->Modified);
        EXPECT_EQ(FieldText("eCfgTitle"), QString());
        EXPECT_EQ(FieldText("eDescription"), QString());
        EXPECT_FALSE(Child<QCheckBox>("cbCleanOnExit")->isChecked());
    }
}

TEST_F(TMainWindowLoadTest, ShowingTheWindowLoadsTheHostFile) {
    WriteCfg(CfgText(Numbered(2)));
    Window->show();
    EXPECT_EQ(Titles(), TitlesOf({0, 1}));
    EXPECT_EQ(Window->windowTitle(), u"Quarrow"_s);
    EXPECT_EQ(Window->centralWidget()->height() + Child<QStatusBar>("sbStatus")->height(), 488);
    EXPECT_EQ(Window->width(), 867);
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize());
}

TEST_F(TMainWindowLoadTest, ControlsStandWhereTheFormPutsThemWithTheirTextsAndHints) {
    const struct {
        const char* Name;
        QRect Place;
        QString Text;
        QString Hint;
    } controls[] = {
        {"lvAreas", {8, 4, 325, 425}, {}, {}},
        {"bbAdd", {344, 28, 105, 25}, u"Add"_s, u"Add new area"_s},
        {"bbDupl", {344, 60, 105, 25}, u"Duplicate"_s, u"Duplicate selected area"_s},
        {"bbDelete", {344, 92, 105, 25}, u"Delete"_s, u"Delete selected area"_s},
        {"bbRenumber", {344, 124, 105, 25}, u"Renumber"_s, u"Renumber areas"_s},
        {"bbUp", {344, 156, 105, 25}, u"Move up"_s, u"Move area up"_s},
        {"bbDown", {344, 188, 105, 25}, u"Move down"_s, u"Move area down"_s},
        {"bbExport", {344, 340, 105, 25}, u"Export"_s, u"Export scenery set"_s},
        {"bbExportRemove",
         {344, 372, 105, 25},
         u"Cut && Export"_s,
         u"Export scenery set and remove selected areas"_s},
        {"bbImport", {344, 404, 105, 25}, u"Import"_s, u"Import scenery set"_s},
        {"bbSave", {8, 440, 105, 25}, u"Save Changes"_s, u"Save changes to scenery.cfg"_s},
        {"bbRevert", {120, 440, 105, 25}, u"Revert"_s, u"Revert to last saved state"_s},
        {"bbLocal", {348, 72, 23, 22}, {}, u"Select local path"_s},
        {"bbRemote", {348, 100, 23, 22}, {}, u"Select remote path"_s},
        {"bbFlattenAdd", {348, 180, 22, 23}, {}, u"Add flatten command"_s},
        {"bbFlattenEdit", {348, 208, 22, 23}, {}, u"Edit flatten command"_s},
        {"bbFlattenDelete", {348, 236, 22, 23}, {}, u"Delete flatten command"_s},
        {"eCfgTitle", {84, 16, 265, 21}, {}, {}},
        {"eDescription", {84, 44, 265, 21}, {}, {}},
        {"cbCleanOnExit", {88, 78, 85, 17}, u"Clean on Exit"_s, {}},
        {"eLayer", {84, 16, 53, 21}, u"1"_s, {}},
        {"eTitle", {84, 44, 265, 21}, {}, {}},
        {"eLocal", {84, 72, 265, 21}, {}, {}},
        {"eRemote", {84, 100, 265, 21}, {}, {}},
        {"cbActive", {84, 130, 105, 17}, u"Scenery is acti&ve"_s, {}},
        {"cbRequired", {228, 130, 113, 17}, u"Scenery is req&uired"_s, {}},
        {"eExclude", {84, 152, 265, 21}, {}, {}},
        {"lbxFlatten", {84, 180, 265, 125}, {}, {}},
        {"gbxGeneral", {460, 4, 381, 105}, u"General Settings"_s, {}},
        {"gbxArea", {460, 116, 381, 313}, u"Area Settings"_s, {}},
    };
    for (const auto& control : controls) {
        const QWidget* widget = Child<QWidget>(control.Name);
        ASSERT_NE(widget, nullptr) << control.Name;
        EXPECT_EQ(widget->geometry(), control.Place) << control.Name;
        EXPECT_EQ(widget->statusTip(), control.Hint) << control.Name;
        EXPECT_EQ(widget->toolTip(), QString()) << control.Name;
        QString text;
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        else if (auto* edit = qobject_cast<const QLineEdit*>(widget))
            text = edit->text();
        else if (auto* box = qobject_cast<const QGroupBox*>(widget))
            text = box->title();
        EXPECT_EQ(text, control.Text) << control.Name;
        EXPECT_TRUE(widget->isEnabled() || widget->objectName() == u"eLayer"_s) << control.Name;
    }
}

TEST_F(TMainWindowLoadTest, EditorStartsInItsDesignedState) {
    EXPECT_FALSE(Child<QLineEdit>("eLayer")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>("eLocal")->isReadOnly());
    EXPECT_TRUE(Child<QLineEdit>("eRemote")->isReadOnly());
    EXPECT_TRUE(Child<QLabel>("lReadOnly")->isHidden());
    EXPECT_EQ(Child<QLabel>("lReadOnly")->text(), u"This scenery layer can not be edited!"_s);
    const QColor info = QPalette().color(QPalette::ToolTipBase);
    for (const char* name : {"eLayer", "eLocal", "eRemote"})
        EXPECT_EQ(Child<QLineEdit>(name)->palette().color(QPalette::Base), info) << name;
    EXPECT_EQ(Child<QLineEdit>("eTitle")->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    EXPECT_EQ(Child<QLabel>("lTitle")->buddy(), Child<QWidget>("eTitle"));
    EXPECT_EQ(Child<QLabel>("lLocal")->buddy(), Child<QWidget>("bbLocal"));
    EXPECT_EQ(Child<QLabel>("lRemote")->buddy(), Child<QWidget>("bbRemote"));
}

TEST_F(TMainWindowLoadTest, TabOrderRunsThroughTheFormAsDesigned) {
    const std::vector<std::string> expected = {
        "lvAreas",      "bbAdd",         "bbDupl",          "bbDelete",       "bbRenumber",
        "bbUp",         "bbDown",        "bbExport",        "bbExportRemove", "bbImport",
        "eCfgTitle",    "eDescription",  "cbCleanOnExit",   "eTitle",         "bbLocal",
        "bbRemote",     "cbActive",      "cbRequired",      "eExclude",       "lbxFlatten",
        "bbFlattenAdd", "bbFlattenEdit", "bbFlattenDelete", "bbSave",         "bbRevert"};
    std::vector<std::string> order;
    QWidget* first = Child<QWidget>("lvAreas");
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isEnabled() &&
            Window->isAncestorOf(widget) && !widget->objectName().startsWith(u"qt_"_s))
            order.push_back(widget->objectName().toStdString());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(order, expected);
}

TEST_F(TMainWindowLoadTest, MenuItemsCarryTheirCaptionsShortcutsAndHints) {
    const struct {
        const char* Name;
        QString Text;
        QString Shortcut;
        QString Hint;
    } items[] = {
        {"cmFileSettings", u"&Settings"_s, {}, {}},
        {"cmFileExit", u"E&xit"_s, u"Alt+F4"_s, {}},
        {"cmEditCut", u"&Cut"_s, u"Ctrl+X"_s, u"Cut selected areas to clipboard"_s},
        {"cmEditCopy", u"&Copy"_s, u"Ctrl+C"_s, u"Copy selected areas to clipboard"_s},
        {"cmEditPaste", u"&Paste"_s, u"Ctrl+V"_s, u"Paste clipboard content to selected position"_s},
        {"cmAreaNew", u"&New"_s, {}, u"Add new area"_s},
        {"cmAreaDuplicate", u"&Duplicate"_s, {}, u"Duplicate selected area"_s},
        {"cmAreaDelete", u"De&lete"_s, {}, u"Delete selected area"_s},
        {"cmAreaRenumber", u"&Renumber"_s, {}, u"Renumber areas"_s},
        {"cmAreaExport", u"&Export"_s, {}, u"Export scenery set"_s},
        {"cmAreaCutExport", u"&Cut and Export"_s, {}, u"Export scenery set and remove selected areas"_s},
        {"cmAreaImport", u"&Import"_s, {}, u"Import scenery set"_s},
        {"cmHelpAbout", u"&About Quarrow..."_s, {}, {}},
    };
    std::vector<std::string> order;
    for (QAction* menu : Child<QMenuBar>("Hauptmenue")->actions()) {
        order.push_back(menu->menu()->objectName().toStdString() + ":" + menu->text().toStdString());
        for (QAction* item : menu->menu()->actions())
            order.push_back(item->isSeparator() ? "-" : item->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"cmFile:&Quarrow",
                                               "cmFileSettings",
                                               "-",
                                               "cmFileExit",
                                               "cmEdit:&Edit",
                                               "cmEditCut",
                                               "cmEditCopy",
                                               "cmEditPaste",
                                               "cmArea:&Area",
                                               "cmAreaNew",
                                               "cmAreaDuplicate",
                                               "cmAreaDelete",
                                               "-",
                                               "cmAreaRenumber",
                                               "-",
                                               "cmAreaExport",
                                               "cmAreaCutExport",
                                               "cmAreaImport",
                                               "cmHelp:&?",
                                               "cmHelpAbout"}));
    for (const auto& item : items) {
        const QAction* action = Child<QAction>(item.Name);
        ASSERT_NE(action, nullptr) << item.Name;
        EXPECT_EQ(action->text(), item.Text) << item.Name;
        EXPECT_EQ(action->shortcut().toString(), item.Shortcut) << item.Name;
        EXPECT_EQ(action->statusTip(), item.Hint) << item.Name;
    }
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

TEST_F(TMainWindowLoadTest, HintsShowInTheStatusBarAndTheBannerElsewhere) {
    WriteCfg(CfgText(Numbered(2)));
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    const QString banner = Status();
    EXPECT_TRUE(banner.startsWith(u"Quarrow "_s)) << banner.toStdString();
    QTest::mouseMove(Child<QWidget>("bbDupl"));
    EXPECT_EQ(Status(), u"Duplicate selected area"_s);
    QTest::mouseMove(Child<QWidget>("bbRevert"));
    EXPECT_EQ(Status(), u"Revert to last saved state"_s);
    QTest::mouseMove(Child<QWidget>("eDescription"));
    EXPECT_EQ(Status(), banner);
    Child<QAction>("cmEditPaste")->showStatusText(Child<QMenuBar>("Hauptmenue"));
    EXPECT_EQ(Status(), u"Paste clipboard content to selected position"_s);
    Child<QAction>("cmHelpAbout")->showStatusText(Child<QMenuBar>("Hauptmenue"));
    EXPECT_EQ(Status(), banner);
    QTest::mouseMove(Child<QWidget>("bbAdd"));
    Window->ReloadAll();
    EXPECT_EQ(Status(), banner);
}

TEST_F(TMainWindowLoadTest, AboutBoxShowsInfoAndClosesWithOk) {
    QString title;
    QString product;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        product = box->findChild<QLabel*>(u"ProductName"_s)->text();
        EXPECT_EQ(box->size(), QSize(361, 228));
        box->findChild<QPushButton*>(u"OKButton"_s)->click();
    });
    Window->cmHelpAboutClick();
    EXPECT_EQ(title, u"Info"_s);
    EXPECT_EQ(product, u"Quarrow"_s);
}

TEST_F(TMainWindowLoadTest, ExitClosesTheWindow) {
    Window->show();
    Window->cmFileExitClick();
    EXPECT_FALSE(Window->isVisible());
}

} // namespace
