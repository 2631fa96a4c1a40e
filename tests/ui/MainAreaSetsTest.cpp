#include "DialogRecorder.h"
#include "ImportDialog.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "model/document/ListRules.h"
#include "support/CaseName.h"
#include "support/RealWriteFailure.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString NoExportSelection = u"No areas selected for export!"_s;
const QString NotExactlyOne = u"You need to select exactly one area to insert the area set at"_s;

// Areas T0, T1, ... numbered 10, 20, ... in layers 1, 2, ..., so a number is never a position.
std::vector<TCfgArea> Spread(int count) {
    std::vector<TCfgArea> areas;
    for (int i = 0; i < count; ++i)
        areas.push_back({10 * (i + 1), "T" + std::to_string(i), i + 1});
    return areas;
}

// Where Spread and Numbered put each area's folder.
std::string Local(int number) {
    return "Scenery\\" + std::to_string(number);
}

class MainAreaSets : public TMainWindowTest {
protected:
    QString SetFile(const char* name = "alps.sas") const { return Folder.filePath(QLatin1StringView(name)); }
    std::vector<std::string> Numbers() const { return Cells(0); }
    TDialogRecorder Dialogs;
};

// Rows 9 and 4 go out top down under their numbers; an older file of that name is replaced whole, and
// the list does not change.
TEST_F(MainAreaSets, ExportWritesTheSelectedAreasUnderTheirNumbers) {
    TestPrefs.SetPath = "/sets";
    Load(Spread(12));
    WriteFile(SetFile(), std::string(5000, 'x'));
    Select({9, 4});
    Dialogs.AnswerNext(SetFile());
    Window->AreaSets().bbExportClick();
    EXPECT_EQ(FileBytes(SetFile()), SavedArea(50, "T4", Local(50), 5) + SavedArea(100, "T9", Local(100), 10));
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(List->RowCount(), 12);
    TestPrefs.SetPath = "/elsewhere";
    Window->AreaSets().bbExportClick();
    ASSERT_EQ(Dialogs.Requests().size(), 2u);
    EXPECT_EQ(Dialogs.Requests()[0].Kind, TDialogKind::SaveFile);
    EXPECT_EQ(Dialogs.Requests()[0].Title, u"Export Area Sets"_s);
    EXPECT_EQ(Dialogs.Requests()[0].Initial, u"/sets"_s);
    EXPECT_EQ(Dialogs.Requests()[1].Initial, SetFile());
    EXPECT_EQ(Shown(), TShown{});
}

// Without a set folder the picker starts in the program's folder; the selection is checked only after
// a file was chosen, and the library itself is never taken for a set file.
TEST_F(MainAreaSets, ExportRefusesNoSelectionAndTheLibrary) {
    Load(Spread(4));
    Select({});
    Window->AreaSets().bbExportClick();
    EXPECT_EQ(Shown(), TShown{});
    Dialogs.AnswerNext(SetFile());
    Window->AreaSets().bbExportRemoveClick();
    EXPECT_EQ(Dialogs.Requests().at(0).Initial, QCoreApplication::applicationDirPath());
    Select({2});
    const std::string library = FileBytes(CfgPath());
    Dialogs.AnswerNext(CfgPath());
    Window->AreaSets().bbExportRemoveClick();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Error, NoExportSelection},
                      {TBoxKind::Error, u"Area set not exported! Scenery.cfg cannot be replaced by an "
                                        u"area set."_s}}));
    EXPECT_FALSE(QFile::exists(SetFile()));
    EXPECT_EQ(FileBytes(CfgPath()), library);
    EXPECT_EQ(List->RowCount(), 4);
}

// The file keeps the numbers the rows had; the rest of the list is numbered from 1 again.
TEST_F(MainAreaSets, CutAndExportTakesTheRowsOutAfterWriting) {
    Load(Spread(8));
    Window->bbRenumberClick();
    Select({3, 4});
    ASSERT_EQ(Window->Current(), List->Row(3));
    Dialogs.AnswerNext(SetFile());
    Window->AreaSets().bbExportRemoveClick();
    EXPECT_EQ(FileBytes(SetFile()), SavedArea(4, "T3", Local(40)) + SavedArea(5, "T4", Local(50)));
    EXPECT_EQ(Titles(), TitlesOf({0, 1, 2, 5, 6, 7}));
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Window->Current(), nullptr);
    EXPECT_TRUE(Window->IsModified());
    EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(), u"6 areas, 6 with a missing folder."_s);
}

// The system really refuses to write or replace the set file: the old set file stays whole, no temporary file
// is left, the failure is reported and every row stays in the list.
TEST_F(MainAreaSets, RealWriteFailureKeepsTheSetFileAndEveryRow) {
    Load(Numbered(40));
    Window->show();
    const std::string old = SavedArea(1, "Old", "Old");
    WriteFile(SetFile(), old);
    std::vector<int> rows;
    for (int row = 2; row < 40; ++row)
        rows.push_back(row);
    Select(rows);
    Dialogs.AnswerNext(SetFile());
    {
        const TRealWriteFailure failure({SetFile()});
        QTest::mouseClick(Child<QPushButton>("bbExportRemove"), Qt::LeftButton);
        QApplication::processEvents();
    }
    EXPECT_EQ(FileBytes(SetFile()), old);
    EXPECT_EQ(List->RowCount(), 40);
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Report, TRealWriteFailure::ReportText()}}));
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), (QStringList{u"alps.sas"_s, u"Scenery.cfg"_s}));
}

// Areas an import would not read back are never written unasked: a number past the last section stops
// the export, an area without Local Path is asked about.
TEST_F(MainAreaSets, ExportRefusesAreasAnImportWouldDrop) {
    Load({{1, "Base", 1}, {2, "Land", 2}, {1999, "Top", 3}});
    Window->bbAddClick();
    Dialogs.AnswerNext(SetFile());
    Window->AreaSets().bbExportClick();
    Window->bbRenumberClick();
    Select({3});
    Dialogs.AnswerNext(SetFile());
    Boxes.AnswerNext(false);
    Window->AreaSets().bbExportClick();
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Error, u"Area set not exported! Area \"<Untitled>\" has the number 2000, "
                                        u"but an area set holds only the numbers 0 to 1999. Renumber the "
                                        u"list first."_s},
                      {TBoxKind::Confirmation, u"1 area has no Local Path and will not be read back: "
                                               u"<Untitled>. Export anyway?"_s}}));
    EXPECT_FALSE(QFile::exists(SetFile()));
}

struct TImportCase {
    const char* Name;
    std::vector<int> Selection;
    TInsertPlace Mode;
    std::vector<std::string> Titles;
    TShown Shown;
    bool Modified;
};

const std::vector<std::string> ImportedBefore6 = {"T0", "T1", "T2", "T3", "T4", "T5", "S2",
                                                  "S5", "S7", "T6", "T7", "T8", "T9"};
const std::vector<std::string> ImportedAtEnd = {"T0", "T1", "T2", "T3", "T4", "T5", "T6",
                                                "T7", "T8", "T9", "S2", "S5", "S7"};

class MainImport : public MainAreaSets, public testing::WithParamInterface<TImportCase> {};

// A set holding sections 7, 2 and 5 arrives in ascending section number, every row written in full.
TEST_P(MainImport, PutsTheSetsAreasInPlace) {
    const TImportCase& c = GetParam();
    Load(Numbered(10));
    const std::string set =
        SavedArea(7, "S7", "S\\7") + SavedArea(2, "S2", "S\\2") + SavedArea(5, "S5", "S\\5");
    WriteFile(SetFile(), set);
    Select(c.Selection);
    Window->AreaSets().ImportAreaSet(SetFile(), c.Mode);
    EXPECT_EQ(Titles(), c.Titles);
    EXPECT_EQ(Shown(), c.Shown);
    EXPECT_EQ(Window->IsModified(), c.Modified);
    EXPECT_EQ(Numbers().back(), c.Modified ? "13" : "10");
}

// clang-format off
const TImportCase ImportCases[] = {
    {"BeforeRow6", {6}, TInsertPlace::BeforeSelected, ImportedBefore6, {}, true},
    {"AtEndWithoutSelection", {}, TInsertPlace::AtEnd, ImportedAtEnd, {}, true},
    {"AtEndWithTwoSelected", {1, 6}, TInsertPlace::AtEnd, ImportedAtEnd, {}, true},
    {"BeforeTwoSelected", {2, 6}, TInsertPlace::BeforeSelected, TitlesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), {{TBoxKind::Error, NotExactlyOne}}, false},
    {"BeforeNoSelection", {}, TInsertPlace::BeforeSelected, TitlesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), {{TBoxKind::Error, NotExactlyOne}}, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, MainImport, testing::ValuesIn(ImportCases), CaseName);

// An imported required area shows "A" and "R" at once; the row it went above stays selected and current.
TEST_F(MainAreaSets, ImportedRowsAreWrittenInFull) {
    Load(Numbered(4));
    WriteCfg(CfgText({{3, "Req", 3, true, true}, {4, "Off", 4, false}}));
    Select({3});
    Window->AreaSets().ImportAreaSet(CfgPath(), TInsertPlace::BeforeSelected);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "Req", "Off", "T3"}));
    EXPECT_EQ(Cells(2), (std::vector<std::string>{"A", "A", "A", "A", "", "A"}));
    EXPECT_EQ(Cells(3), (std::vector<std::string>{"", "", "", "R", "", ""}));
    EXPECT_EQ(Selected(), std::vector<int>{5});
    EXPECT_EQ(Window->Current(), List->Row(5));
}

// A set file that cannot be read is named with the reason; one that holds no area says so. Neither
// changes the list nor leaves a step to undo.
TEST_F(MainAreaSets, UnreadableOrEmptySetFile) {
    Load(Numbered(3));
    ASSERT_TRUE(QDir().mkdir(SetFile("folder.sas")));
    WriteFile(SetFile("empty.sas"), "");
    constexpr char noise[] = "\x89\x00\xff[Area.x]\r\nTitle=T\n\x1a";
    WriteFile(SetFile("noise.sas"), std::string(noise, sizeof noise - 1));
    WriteFile(SetFile("nolocal.sas"), "[Area.001]\r\nTitle=No folder\r\n");
    for (const char* name : {"folder.sas", "gone.sas", "empty.sas", "noise.sas", "nolocal.sas"})
        Window->AreaSets().ImportAreaSet(SetFile(name), TInsertPlace::AtEnd);
    const QString lead = u"Area set could not be read: "_s;
    EXPECT_EQ(Shown(),
              (TShown{{TBoxKind::Error, lead + SetFile("folder.sas") + u": not a regular file"_s},
                      {TBoxKind::Error, lead + SetFile("gone.sas") + u": No such file or directory"_s},
                      {TBoxKind::Error, u"No areas found in empty.sas."_s},
                      {TBoxKind::Error, u"No areas found in noise.sas."_s},
                      {TBoxKind::Error, u"No areas found in nolocal.sas."_s}}));
    EXPECT_EQ(List->RowCount(), 3);
    EXPECT_FALSE(Window->IsModified());
    EXPECT_FALSE(Child<QAction>("cmEditUndo")->isEnabled());
}

// The dialog as a user meets it: OK without a file is refused, the picker starts in the set folder,
// "after last area" appends.
TEST_F(MainAreaSets, ImportDialogDrivenThroughItsControls) {
    TestPrefs.SetPath = "/sets";
    Load(Numbered(3));
    WriteCfg(CfgText({{2, "New", 2}}));
    Dialogs.AnswerNext(CfgPath());
    QString title;
    bool refusalFocusesBrowse = false;
    QString shownFile;
    WhenModal<TImportDlg>([&](TImportDlg* dialog) {
        title = dialog->windowTitle();
        auto* browse = dialog->findChild<QPushButton*>(u"bbFilename"_s);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"bbOK"_s), Qt::LeftButton);
        refusalFocusesBrowse = dialog->focusWidget() == browse;
        QTest::mouseClick(browse, Qt::LeftButton);
        shownFile = dialog->findChild<QLineEdit*>(u"eFilename"_s)->text();
        QTest::mouseClick(dialog->findChild<QRadioButton*>(u"rbEnd"_s), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"bbOK"_s), Qt::LeftButton);
    });
    Window->AreaSets().bbImportClick();
    EXPECT_EQ(title, u"Import Area Set"_s);
    EXPECT_TRUE(refusalFocusesBrowse);
    EXPECT_EQ(shownFile, CfgPath());
    EXPECT_EQ(Shown(), (TShown{{TBoxKind::Error, u"No Area Set selected!"_s}}));
    ASSERT_EQ(Dialogs.Requests().size(), 1u);
    EXPECT_EQ(Dialogs.Requests()[0].Title, u"Select Area Set"_s);
    EXPECT_EQ(Dialogs.Requests()[0].Initial, u"/sets"_s);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"T0", "T1", "T2", "New"}));
}

} // namespace
