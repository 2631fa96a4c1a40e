#include "MainWindowFixture.h"

#include <QApplication>
#include <QLineEdit>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<std::string> Sequence(int first, int last) {
    std::vector<std::string> numbers;
    for (int i = first; i <= last; ++i)
        numbers.push_back(std::to_string(i));
    return numbers;
}

std::vector<int> Range(int count) {
    std::vector<int> positions(static_cast<std::size_t>(count));
    std::iota(positions.begin(), positions.end(), 0);
    return positions;
}

class TAreaListTest : public TMainWindowTest {};

TEST_F(TAreaListTest, AddOnEmptyListGivesAreaZeroSelectedAndCurrent) {
    WriteCfg("");
    Window->ReloadAll();
    Window->bbAddClick();
    ASSERT_EQ(List->RowCount(), 1);
    EXPECT_EQ(Cells(0), std::vector<std::string>{"0"});
    EXPECT_EQ(Titles(), std::vector<std::string>{"<Untitled>"});
    EXPECT_EQ(Cells(2), std::vector<std::string>{"A"});
    EXPECT_EQ(Cells(3), std::vector<std::string>{""});
    EXPECT_EQ(List->Row(0)->Area().Number, 0);
    EXPECT_EQ(Selected(), std::vector<int>{0});
    EXPECT_EQ(Window->Current(), List->Row(0));
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(TAreaListTest, CommandsWithoutSelectionReportAndChangeNothing) {
    const struct {
        void (THauptformular::*Command)();
        QString Text;
    } cases[] = {
        {&THauptformular::bbDuplClick, u"No area selected!"_s},
        {&THauptformular::bbDeleteClick, u"No area selected!"_s},
        {&THauptformular::bbUpClick, u"No areas selected!"_s},
        {&THauptformular::bbDownClick, u"No areas selected!"_s},
    };
    Load(Numbered(4));
    for (const auto& command : cases) {
        List->clearSelection();
        Boxes.Clear();
        (Window.get()->*command.Command)();
        EXPECT_EQ(Shown(), (TShown{{TBoxKind::Error, command.Text}}));
        EXPECT_EQ(Titles(), TitlesOf(Range(4)));
        EXPECT_FALSE(Window->IsModified());
    }
}

TEST_F(TAreaListTest, DeleteAsksBottomUpAndKeepsRowsAnsweredNo) {
    Load(Numbered(8));
    Select({2, 4, 6});
    ASSERT_EQ(Window->Current(), List->Row(2));
    Boxes.AnswerNext(true);
    Boxes.AnswerNext(false);
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, u"Do you really want to delete area \"T6\"?"_s},
                               {TBoxKind::Confirmation, u"Do you really want to delete area \"T4\"?"_s},
                               {TBoxKind::Confirmation, u"Do you really want to delete area \"T2\"?"_s}}));
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 3, 4, 5, 7}));
    // The current row went; the row answered No stays selected and takes its place in the editor.
    EXPECT_EQ(Window->Current(), List->Row(3));
    EXPECT_EQ(Window->findChild<QLineEdit*>(u"eTitle"_s)->text(), u"T4"_s);
    EXPECT_EQ(Cells(0), (std::vector<std::string>{"1", "2", "4", "5", "6", "8"}));
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(TAreaListTest, DeleteKeepsRequiredAreasAndReportsEach) {
    std::vector<TCfgArea> areas = Numbered(6);
    areas[3].Required = true;
    areas[3].Title = "Z\xfcrich";
    Load(areas);
    Select({3, 5});
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Confirmation, u"Do you really want to delete area \"T5\"?"_s},
                               {TBoxKind::Error,
                                u"Area \"Z\u00fcrich\" is marked as REQUIRED and cannot be deleted!"_s}}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "Z\xc3\xbcrich", "T4"}));
}

TEST_F(TAreaListTest, MoveUpCarriesSelectionAndRenumbers) {
    Load(Numbered(10));
    Select({4, 5, 7});
    Window->bbUpClick();
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 4, 5, 3, 7, 6, 8, 9}));
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 6}));
    EXPECT_EQ(Window->Current(), List->Row(3));
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(TAreaListTest, DropPutsDraggedAreasAboveTheTargetUnselected) {
    Load(Numbered(12));
    Select({6, 9});
    Window->lvAreasDragDrop(3);
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 6, 9, 3, 4, 5, 7, 8, 10, 11}));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Cells(0), Sequence(1, 12));
    EXPECT_EQ(List->Row(3)->Area().Number, 4);
    EXPECT_EQ(Window->Current(), nullptr);
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(TAreaListTest, RefusedDropChangesNothing) {
    Load(Numbered(6));
    Select({1, 4});
    Window->lvAreasDragDrop(3);
    EXPECT_EQ(Titles(), TitlesOf(Range(6)));
    EXPECT_FALSE(Window->IsModified());
}

} // namespace

namespace {

struct TFollowCase {
    const char* Name;
    std::vector<int> Selection;
    std::vector<bool> Answers;
    std::function<void(THauptformular&)> Command;
    const char* Current; // title of the current row, nullptr for none
    bool DownEnabled;
    bool DuplicateEnabled;
};

// After each list command the editor names a row that still exists and the commands fit the list.
TEST_F(TAreaListTest, EditorAndCommandsFollowEveryListCommand) {
    const TFollowCase cases[] = {
        {"drop leaves nothing selected",
         {4},
         {},
         [](THauptformular& w) { w.lvAreasDragDrop(2); },
         nullptr,
         false,
         false},
        {"delete of the current row",
         {2, 4},
         {false, true},
         [](THauptformular& w) { w.bbDeleteClick(); },
         "T4",
         true,
         true},
        {"duplicate of the last row", {5}, {}, [](THauptformular& w) { w.bbDuplClick(); }, "T5", true, true},
        {"move down onto the last row",
         {4},
         {},
         [](THauptformular& w) { w.bbDownClick(); },
         "T4",
         false,
         true},
        {"add", {3}, {}, [](THauptformular& w) { w.bbAddClick(); }, "<Untitled>", false, true},
        {"move down, then delete the moved row",
         {3},
         {true},
         [](THauptformular& w) {
             w.bbDownClick();
             w.bbDeleteClick();
         },
         nullptr,
         false,
         false},
    };
    for (const TFollowCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Load(Numbered(6));
        Select(c.Selection);
        for (bool answer : c.Answers)
            Boxes.AnswerNext(answer);
        c.Command(*Window);
        EXPECT_EQ(Window->Current() ? Window->Current()->text(1).toStdString() : "none",
                  c.Current ? c.Current : "none");
        EXPECT_EQ(Child<QWidget>("bbDown")->isEnabled(), c.DownEnabled);
        EXPECT_EQ(Child<QWidget>("bbDupl")->isEnabled(), c.DuplicateEnabled);
        EXPECT_TRUE(Child<QWidget>("bbImport")->isEnabled());
        if (!c.Current) {
            EXPECT_EQ(Child<QLineEdit>("eTitle")->text(), QString());
        }
    }
}

// A long list shows the copies that Duplicate appends.
TEST_F(TAreaListTest, DuplicateScrollsToTheLastCopy) {
    Load(Numbered(200));
    Window->show();
    Select({3});
    Window->bbDuplClick();
    QApplication::processEvents();
    EXPECT_TRUE(List->viewport()->rect().contains(List->visualItemRect(List->Row(200)).center()));
    EXPECT_EQ(Selected(), std::vector<int>{3});
}

} // namespace
