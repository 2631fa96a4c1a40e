#include "AirportsDialog.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "support/BglBuilder.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

// Areas T0 to T4 in Addon\1 to Addon\5 below the host folder: T1 and T3 define KSEA, T3 also LSZH.
class TAirportsTest : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        std::string text = CfgText(Numbered(5));
        for (int i = 0; i < 5; ++i)
            text = Replaced(text, "Local=Scenery\\", "Local=Addon\\", 0);
        WriteCfg(text);
        Window->ReloadAll();
        Write("Addon/2/scenery/AF2_KSEA.bgl", bgl::AirportFile({"KSEA"}));
        Write("Addon/4/Scenery/b.bgl", bgl::AirportFile({"LSZH", "KSEA"}));
    }
    void Write(const char* path, const std::string& bytes) const {
        WriteFile(Folder.filePath(QLatin1StringView(path)), bytes);
    }
    static std::vector<QString> Row(const QTreeWidgetItem* item) {
        std::vector<QString> cells;
        for (int column = 0; column < item->columnCount(); ++column)
            cells.push_back(item->text(column));
        return cells;
    }
};

TEST_F(TAirportsTest, SelectAreasSelectsTheRowsOfTheChosenAirport) {
    std::vector<std::vector<QString>> airports, files;
    WhenModal<TAirportsDlg>([&](TAirportsDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Airports in Several Areas"_s);
        auto* list = dialog->findChild<QTreeWidget*>(u"lvAirports"_s);
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            airports.push_back(Row(list->topLevelItem(row)));
        auto* fileList = dialog->findChild<QTreeWidget*>(u"lvFiles"_s);
        for (int row = 0; row < fileList->topLevelItemCount(); ++row)
            files.push_back(Row(fileList->topLevelItem(row)));
        dialog->findChild<QPushButton*>(u"bbSelect"_s)->click();
    });
    Child<QAction>("cmAreaCheckAirports")->trigger();
    EXPECT_EQ(airports, (std::vector<std::vector<QString>>{{u"KSEA"_s, u"T3"_s, u"T1"_s, u"2"_s}}));
    EXPECT_EQ(files, (std::vector<std::vector<QString>>{{u"Addon\\4\\Scenery\\b.bgl"_s, u"4"_s},
                                                        {u"Addon\\2\\scenery\\AF2_KSEA.bgl"_s, u"2"_s}}));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Window->Current(), List->Row(1));
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(), u"2 areas that define KSEA selected."_s);
    EXPECT_FALSE(Window->IsModified());
}

// T2 also defines KSEA and LSZH: used for KSEA, it is moved below T3 and takes LSZH from it too.
TEST_F(TAirportsTest, UseThisAreaMovesItBelowTheAreaUsedInOneStep) {
    Write("Addon/3/scenery/c.bgl", bgl::AirportFile({"KSEA", "LSZH"}));
    std::vector<QString> before, after;
    WhenModal<TAirportsDlg>([&](TAirportsDlg* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>(u"lvAirports"_s);
        auto* files = dialog->findChild<QTreeWidget*>(u"lvFiles"_s);
        before = Row(list->topLevelItem(0));
        files->setCurrentItem(files->topLevelItem(1));
        dialog->findChild<QPushButton*>(u"bbUse"_s)->click();
        after = Row(list->topLevelItem(0));
        EXPECT_FALSE(dialog->findChild<QPushButton*>(u"bbUse"_s)->isEnabled());
        dialog->reject();
    });
    Child<QAction>("cmAreaCheckAirports")->trigger();
    EXPECT_EQ(before, (std::vector<QString>{u"KSEA"_s, u"T3"_s, u"T2, T1"_s, u"3"_s}));
    EXPECT_EQ(after, (std::vector<QString>{u"KSEA"_s, u"T2"_s, u"T3, T1"_s, u"3"_s}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T3", "T2", "T4"}));
    EXPECT_EQ(Selected(), (std::vector<int>{3}));
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(),
              u"Also changes the winner of 1 other airport: LSZH."_s);
    EXPECT_EQ(Child<QAction>("cmEditUndo")->text(), u"&Undo Use T2 for KSEA"_s);
    Child<QAction>("cmEditUndo")->trigger();
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "T3", "T4"}));
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
}

TEST_F(TAirportsTest, NothingFoundSaysSo) {
    Write("Addon/2/scenery/AF2_KSEA.bgl", std::string(10, '\x01'));
    Window->Dialogs().cmAreaCheckAirportsClick();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Information, u"No airport is defined by more than one active add-on area. "
                                              u"2 airports in 2 files checked."_s}}));
}

} // namespace
