#include "MainWindowFixture.h"
#include "support/TypeText.h"
#include "ui/DialogRecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every command whose state the editor decides, and those it must never disable.
const char* const Commands[] = {
    "bbAdd",        "bbDupl",          "bbDelete",        "bbRenumber",     "bbUp",
    "bbDown",       "bbExport",        "bbExportRemove",  "bbImport",       "bbSave",
    "bbRevert",     "bbLocal",         "bbRemote",        "cbActive",       "cbRequired",
    "bbFlattenAdd", "bbFlattenEdit",   "bbFlattenDelete", "cmEditCut",      "cmEditCopy",
    "cmEditPaste",  "cmAreaNew",       "cmAreaDuplicate", "cmAreaDelete",   "cmAreaRenumber",
    "cmAreaExport", "cmAreaCutExport", "cmAreaImport",    "cmFileSettings", "cmFileExit",
    "cmHelpAbout",  "eCfgTitle",       "eDescription",    "cbCleanOnExit"};

const std::set<std::string> ProtectedDisabled = {
    "bbDupl",          "bbDelete",        "bbUp",           "bbDown",
    "bbImport",        "bbExport",        "bbExportRemove", "bbLocal",
    "bbRemote",        "cbActive",        "cbRequired",     "bbFlattenAdd",
    "bbFlattenEdit",   "bbFlattenDelete", "cmEditCut",      "cmEditCopy",
    "cmEditPaste",     "cmAreaDuplicate", "cmAreaDelete",   "cmAreaExport",
    "cmAreaCutExport", "cmAreaImport"};

// The list commands a required area in the selection must not offer.
const std::set<std::string> Undeletable = {"bbDelete", "bbExportRemove", "cmEditCut", "cmAreaDelete",
                                           "cmAreaCutExport"};

std::set<std::string> With(std::set<std::string> names, const char* name) {
    names.insert(name);
    return names;
}

struct TCommandCase {
    const char* Name;
    int Rows;
    std::vector<int> Required;
    std::vector<int> Selection;
    bool Protected;
    std::set<std::string> Disabled;
};

// The rule itself is the model's; these show that every control follows it.
const TCommandCase CommandCases[] = {
    {"row 0", 6, {}, {0}, true, ProtectedDisabled},
    {"rows 2 and 5, 5 last", 6, {}, {2, 5}, false, {"bbUp", "bbDown"}},
    {"required current", 8, {3}, {3}, false, With(Undeletable, "cbActive")},
};

class TAreaEditorTest : public TMainWindowTest {
protected:
    void Load(int rows, const std::vector<int>& required = {}, const std::string& extra = {}) {
        std::vector<TCfgArea> areas = Numbered(rows);
        for (int row : required)
            areas[static_cast<std::size_t>(row)].Required = true;
        for (TCfgArea& area : areas)
            area.Extra = extra;
        TMainWindowTest::Load(areas);
    }
    bool Enabled(const char* name) const {
        const QObject* control = Window->findChild<QObject*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control && control->property("enabled").toBool();
    }
    const TArea& AreaAt(int row) const { return List->Row(row)->Area(); }
    bool Shows(const char* name) const { return !Child<QWidget>(name)->isHidden(); }

    TDialogRecorder Dialogs;
};

TEST_F(TAreaEditorTest, SelectionDecidesEveryCommandAndTheEditorsLook) {
    for (const TCommandCase& c : CommandCases) {
        SCOPED_TRACE(c.Name);
        Load(c.Rows, c.Required);
        Select(c.Selection);
        for (const char* name : Commands)
            EXPECT_EQ(Enabled(name), !c.Disabled.count(name)) << name;
        EXPECT_EQ(Shows("lReadOnly"), c.Protected);
        for (const char* field : {"eTitle", "eExclude"})
            EXPECT_EQ(Child<QLineEdit>(field)->isReadOnly(), c.Protected) << field;
        const QPalette::ColorRole look = c.Protected ? QPalette::ToolTipBase : QPalette::Base;
        for (const char* field : {"eTitle", "eExclude", "lbxFlatten"})
            EXPECT_EQ(Child<QWidget>(field)->palette().color(QPalette::Base), QPalette().color(look))
                << field;
        EXPECT_FALSE(Window->IsModified());
    }
}

TEST_F(TAreaEditorTest, ShowAreaFillsEveryField) {
    std::vector<TCfgArea> areas = Numbered(4);
    areas[3] = {4,    "Alpen \xE9t\xE9",
                4,    false,
                true, "Exclude=exclude.bgl\r\nFlatten.0=N47 E11 500\r\nFlatten.1=N48 E12 600\r\n"};
    WriteCfg(Replaced(CfgText(areas), "Remote=\r\n\r\n", "Remote=\\\\server\\alps\r\n\r\n", 3));
    Window->ReloadAll();
    Select({3});
    EXPECT_EQ(Child<QLineEdit>("eLayer")->text(), u"4"_s);
    EXPECT_EQ(Child<QLineEdit>("eTitle")->text(), u"Alpen été"_s);
    EXPECT_EQ(Child<QLineEdit>("eLocal")->text(), u"Scenery\\4"_s);
    EXPECT_EQ(Child<QLineEdit>("eRemote")->text(), u"\\\\server\\alps"_s);
    EXPECT_EQ(Child<QLineEdit>("eExclude")->text(), u"exclude.bgl"_s);
    EXPECT_TRUE(Child<QCheckBox>("cbRequired")->isChecked());
    const auto* flatten = Child<QListWidget>("lbxFlatten");
    ASSERT_EQ(flatten->count(), 2);
    EXPECT_EQ(flatten->item(1)->text(), u"N48 E12 600"_s);
    // The required area came up inactive: it is made active for good, with nothing to undo.
    EXPECT_TRUE(Child<QCheckBox>("cbActive")->isChecked());
    EXPECT_TRUE(AreaAt(3).Active);
    EXPECT_EQ(List->Row(3)->text(2), u"A"_s);
    EXPECT_FALSE(Window->IsModified());
    EXPECT_FALSE(Child<QAction>("cmEditUndo")->isEnabled());
    EXPECT_EQ(AreaAt(3).Title, "Alpen \xE9t\xE9");
}

TEST_F(TAreaEditorTest, TickingRequiredMakesTheAreaActiveAndUndeletable) {
    std::vector<TCfgArea> areas = Numbered(6);
    areas[3].Active = false;
    TMainWindowTest::Load(areas);
    Select({3});
    ASSERT_FALSE(Window->IsModified());
    Child<QCheckBox>("cbRequired")->click();
    const auto* active = Child<QCheckBox>("cbActive");
    EXPECT_TRUE(active->isChecked());
    EXPECT_FALSE(active->isEnabled());
    EXPECT_TRUE(AreaAt(3).Active);
    EXPECT_TRUE(AreaAt(3).Required);
    EXPECT_EQ(List->Row(3)->text(2), u"A"_s);
    EXPECT_EQ(List->Row(3)->text(3), u"R"_s);
    for (const std::string& name : Undeletable)
        EXPECT_FALSE(Enabled(name.c_str())) << name;
    EXPECT_TRUE(Window->IsModified());

    Child<QCheckBox>("cbRequired")->click();
    EXPECT_TRUE(active->isEnabled());
    EXPECT_TRUE(Enabled("bbDelete"));
    EXPECT_EQ(List->Row(3)->text(3), QString());
}

TEST_F(TAreaEditorTest, ActiveBoxAndExcludeWriteIntoTheArea) {
    Load(4);
    Select({2});
    Child<QCheckBox>("cbActive")->click();
    EXPECT_FALSE(AreaAt(2).Active);
    EXPECT_EQ(List->Row(2)->text(2), QString());
    Child<QLineEdit>("eExclude")->setText(u"a\r\nb\0c"_s);
    EXPECT_EQ(AreaAt(2).Exclude, std::string("a  b c"));
    EXPECT_TRUE(Window->IsModified());
}

TEST_F(TAreaEditorTest, RenumberingShowsTheCurrentAreasNewLayer) {
    TMainWindowTest::Load({{1, "A", 1}, {2, "B", 2}, {7, "C", 40}});
    Select({2});
    EXPECT_EQ(Child<QLineEdit>("eLayer")->text(), u"40"_s);
    Window->bbRenumberClick();
    EXPECT_EQ(Child<QLineEdit>("eLayer")->text(), u"3"_s);
}

TEST_F(TAreaEditorTest, TypingTheTitleRewritesTheNameCellAndKeepsTheCaret) {
    Load(4);
    Select({2});
    auto* title = Child<QLineEdit>("eTitle");
    title->clear();
    const QString typed = u"Alps"_s;
    for (int i = 0; i < typed.size(); ++i) {
        QTest::keyClick(title, typed[i].toLatin1());
        EXPECT_EQ(List->Row(2)->text(1), typed.left(i + 1));
        EXPECT_EQ(title->cursorPosition(), i + 1);
    }
    EXPECT_EQ(AreaAt(2).Title, "Alps");

    // A refill while typing in the middle leaves the caret and the selection alone.
    title->setCursorPosition(2);
    QTest::keyClicks(title, u"xx"_s);
    title->setSelection(1, 2);
    Window->lvAreasChange();
    EXPECT_EQ(title->text(), u"Alxxps"_s);
    EXPECT_EQ(title->selectionStart(), 1);
    EXPECT_EQ(title->selectedText(), u"lx"_s);
    EXPECT_EQ(List->Row(2)->text(1), u"Alxxps"_s);

    // A character the code page lacks is left out where it was typed, and the caret stays there.
    title->setCursorPosition(3);
    TypeText(title, u"Ω"_s);
    EXPECT_EQ(title->text(), u"Alxxps"_s);
    EXPECT_EQ(title->cursorPosition(), 3);
}

TEST_F(TAreaEditorTest, PastedLineBreaksBecomeBlanksInTitleAndGeneralFields) {
    Load(4);
    Select({2});
    QApplication::clipboard()->setText(u"North\r\nAlps"_s);
    for (const char* name : {"eTitle", "eCfgTitle", "eDescription", "eExclude"}) {
        auto* field = Child<QLineEdit>(name);
        field->clear();
        field->paste();
        EXPECT_EQ(field->text(), u"North  Alps"_s) << name;
    }
    EXPECT_EQ(AreaAt(2).Title, "North  Alps");
    EXPECT_EQ(List->Row(2)->text(1), u"North  Alps"_s);
}

// A drop lets go of the current row and leaves nothing selected: the editor is emptied and disabled.
TEST_F(TAreaEditorTest, HandlersAreInertWithoutACurrentRow) {
    Load(4);
    Select({3});
    Window->lvAreasDragDrop(2);
    ASSERT_EQ(Window->Current(), nullptr);
    for (const char* name : {"eTitle", "eLocal", "eExclude", "eLayer"})
        EXPECT_EQ(Child<QLineEdit>(name)->text(), QString()) << name;
    for (const char* name :
         {"eTitle", "eExclude", "cbActive", "cbRequired", "bbLocal", "bbFlattenAdd", "bbDown"})
        EXPECT_FALSE(Child<QWidget>(name)->isEnabled()) << name;
    Window->Editor().bbLocalClick();
    Window->Editor().bbFlattenAddClick();
    Child<QLineEdit>("eTitle")->setText(u"changed"_s);
    EXPECT_TRUE(Dialogs.Requests().empty());
    EXPECT_EQ(AreaAt(2).Title, "T3");
}

struct TFolderCase {
    const char* Name;
    QString FSPath;
    QString Chosen;
    QString Stored; // relative to the temporary folder when it starts with '@'; empty: refused
};

TEST_F(TAreaEditorTest, ChosenFoldersAreStoredInTheHostsForm) {
    const QString root = QDir::toNativeSeparators(Folder.path()) + QDir::separator();
    const QString alps = root + QDir::toNativeSeparators(u"FS9/Addon Scenery/Alps"_s);
    const TFolderCase cases[] = {
        {"below the host folder", root + u"FS9"_s + QDir::separator(), alps, u"Addon Scenery\\Alps"_s},
#ifdef Q_OS_WIN
        // Windows names one folder in any case.
        {"host folder in other case", root + u"fs9"_s + QDir::separator(), alps, u"Addon Scenery\\Alps"_s},
        {"outside the host folder", root + u"FS9"_s + QDir::separator(),
         root + QDir::toNativeSeparators(u"Scenery/Alps"_s),
         root + QDir::toNativeSeparators(u"Scenery/Alps"_s)},
#else
        // Without a Wine prefix the simulator reaches nothing outside its own folder.
        {"host folder in other case", root + u"fs9"_s + QDir::separator(), alps, {}},
        {"outside the host folder",
         root + u"FS9"_s + QDir::separator(),
         root + QDir::toNativeSeparators(u"Scenery/Alps"_s),
         {}},
#endif
    };
    Load(4);
    Select({3});
    for (const TFolderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TestPrefs.FSPath = c.FSPath.toLocal8Bit().toStdString();
        Dialogs.AnswerNext(c.Chosen);
        Window->Editor().bbLocalClick();
        Dialogs.AnswerNext(c.Chosen);
        Window->Editor().bbRemoteClick();
        const QString stored = c.Stored.isEmpty() ? u"Addon Scenery\\Alps"_s : c.Stored;
        EXPECT_EQ(AreaAt(3).Local, stored.toLocal8Bit().toStdString());
        EXPECT_EQ(AreaAt(3).Remote, stored.toLocal8Bit().toStdString());
        EXPECT_EQ(Child<QLineEdit>("eLocal")->text(), stored);
        EXPECT_EQ(Child<QLineEdit>("eRemote")->text(), stored);
        EXPECT_EQ(Shown().size(), c.Stored.isEmpty() ? 2u : 0u);
        Boxes.Clear();
    }
}

TEST_F(TAreaEditorTest, FolderPickerStartsInAddonSceneryThenWhereTheLastBrowseEnded) {
    Load(4);
    Select({3});
    TestPrefs.FSPath = "C:\\FS9\\";
    Dialogs.CancelNext();
    Window->Editor().bbLocalClick();
    EXPECT_FALSE(Window->IsModified());
    EXPECT_EQ(AreaAt(3).Local, "Scenery\\4");
    Dialogs.AnswerNext(u"C:\\FS9\\Addon Scenery\\Alps\\"_s);
    Window->Editor().bbLocalClick();
    EXPECT_EQ(AreaAt(3).Local, "Addon Scenery\\Alps");
    EXPECT_TRUE(Window->IsModified());
    Window->Editor().bbRemoteClick();
    const std::vector<TDialogRequest>& requests = Dialogs.Requests();
    ASSERT_EQ(requests.size(), 3u);
    for (const TDialogRequest& request : requests) {
        EXPECT_EQ(request.Kind, TDialogKind::Folder);
        EXPECT_EQ(request.Title, u"Select Scenery Path"_s);
    }
    EXPECT_EQ(requests[0].Initial, u"C:\\FS9\\Addon Scenery"_s);
    EXPECT_EQ(requests[1].Initial, u"C:\\FS9\\Addon Scenery"_s);
    EXPECT_EQ(requests[2].Initial, u"C:\\FS9\\Addon Scenery\\Alps"_s);
}

#ifndef Q_OS_WIN
TEST_F(TAreaEditorTest, FolderOutsideAWineHostIsStoredAsItsWindowsPath) {
    const QString root = Folder.path();
    ASSERT_TRUE(QDir(root).mkpath(u"pfx/dosdevices"_s));
    ASSERT_TRUE(QDir(root).mkpath(u"pfx/drive_c/FS9"_s));
    ASSERT_TRUE(QDir(root).mkpath(u"data/Scenery/Alps"_s));
    ASSERT_TRUE(QFile::link(u"../drive_c"_s, root + u"/pfx/dosdevices/c:"_s));
    ASSERT_TRUE(QFile::link(root + u"/data"_s, root + u"/pfx/dosdevices/d:"_s));
    Load(4);
    Select({3});
    TestPrefs.FSPath = (root + u"/pfx/drive_c/FS9/"_s).toLocal8Bit().toStdString();
    Dialogs.AnswerNext(root + u"/data/Scenery/Alps"_s);
    Window->Editor().bbLocalClick();
    EXPECT_EQ(AreaAt(3).Local, "D:\\Scenery\\Alps");
}
#endif

class TFlattenTest : public TAreaEditorTest {
protected:
    void SetUp() override {
        TAreaEditorTest::SetUp();
        Load(4, {}, "Flatten.0=N47 E11 500\r\nFlatten.1=N48 E12 600\r\n");
        Select({3});
        Flatten = Child<QListWidget>("lbxFlatten");
    }
    QListWidget* Flatten = nullptr;
    const std::vector<std::string> Original = {"N47 E11 500", "N48 E12 600"};
};

TEST_F(TFlattenTest, CancelOrAnEmptyAnswerChangesNothing) {
    Flatten->setCurrentRow(1);
    for (bool cancel : {true, false}) {
        for (void (TEditorPanel::*handler)() :
             {&TEditorPanel::bbFlattenAddClick, &TEditorPanel::bbFlattenEditClick}) {
            cancel ? Dialogs.CancelNext() : Dialogs.AnswerNext(QString());
            (Window->Editor().*handler)();
            EXPECT_EQ(AreaAt(3).Flatten, Original);
            EXPECT_EQ(Flatten->count(), 2);
            EXPECT_FALSE(Window->IsModified());
        }
    }
    ASSERT_EQ(Dialogs.Requests().size(), 4u);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(TFlattenTest, AddAndEditAskWithTheirTextsAndStoreTheList) {
    Dialogs.AnswerNext(u"N49 E13\n700"_s);
    Window->Editor().bbFlattenAddClick();
    EXPECT_EQ(AreaAt(3).Flatten, (std::vector<std::string>{"N47 E11 500", "N48 E12 600", "N49 E13 700"}));
    Flatten->setCurrentRow(0);
    Dialogs.AnswerNext(u"N46 E10 400"_s);
    Window->Editor().bbFlattenEditClick();
    EXPECT_EQ(AreaAt(3).Flatten, (std::vector<std::string>{"N46 E10 400", "N48 E12 600", "N49 E13 700"}));
    EXPECT_EQ(Flatten->item(0)->text(), u"N46 E10 400"_s);
    EXPECT_TRUE(Window->IsModified());
    std::vector<std::tuple<TDialogKind, QString, QString, QString>> asked;
    for (const TDialogRequest& request : Dialogs.Requests())
        asked.emplace_back(request.Kind, request.Prompt, request.Title, request.Initial);
    EXPECT_EQ(asked,
              (decltype(asked){
                  {TDialogKind::Input, u"Add flatten command"_s, u"Flatten.x="_s, QString()},
                  {TDialogKind::Input, u"Edit flatten command"_s, u"Flatten.x="_s, u"N47 E11 500"_s}}));
}

TEST_F(TFlattenTest, EditAndDeleteWithoutSelectionReportAndChangeNothing) {
    Flatten->clearSelection();
    Window->Editor().bbFlattenEditClick();
    Window->Editor().bbFlattenDeleteClick();
    const std::pair<TBoxKind, QString> noSelection{TBoxKind::Error, u"No flatten command selected!"_s};
    EXPECT_EQ(Shown(), (TShown{noSelection, noSelection}));
    EXPECT_TRUE(Dialogs.Requests().empty());
    EXPECT_EQ(AreaAt(3).Flatten, Original);
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(TFlattenTest, DeleteAsksAndRemovesOnlyOnYes) {
    Flatten->setCurrentRow(0);
    Window->Editor().bbFlattenDeleteClick();
    EXPECT_EQ(AreaAt(3).Flatten, Original);
    EXPECT_FALSE(Window->IsModified());
    Boxes.AnswerNext(true);
    Window->Editor().bbFlattenDeleteClick();
    EXPECT_EQ(AreaAt(3).Flatten, std::vector<std::string>{"N48 E12 600"});
    EXPECT_TRUE(Window->IsModified());
    const std::pair<TBoxKind, QString> question{
        TBoxKind::Confirmation, u"Do you really want to delete the selected flatten command?"_s};
    EXPECT_EQ(Shown(), (TShown{question, question}));
}

TEST_F(TFlattenTest, DoubleClickEditsOnlyAnEditableRow) {
    Flatten->setCurrentRow(0);
    emit Flatten->itemDoubleClicked(Flatten->item(0));
    ASSERT_EQ(Dialogs.Requests().size(), 1u);
    EXPECT_EQ(Dialogs.Requests()[0].Prompt, u"Edit flatten command"_s);

    Select({1});
    Flatten->setCurrentRow(0);
    emit Flatten->itemDoubleClicked(Flatten->item(0));
    EXPECT_EQ(Dialogs.Requests().size(), 1u);
}

// A character the code page lacks would be saved as '?' while the field still showed it: each field
// that feeds a record leaves it out, typed or pasted, and the status bar says why.
TEST_F(TAreaEditorTest, FieldsLeaveOutWhatTheCodePageLacks) {
    Load(4);
    Select({2});
    for (const char* name : {"eTitle", "eExclude", "eCfgTitle", "eDescription"}) {
        auto* field = Child<QLineEdit>(name);
        field->clear();
        TypeText(field, u"aΩb"_s);
        QApplication::clipboard()->setText(u"ü漢😀"_s);
        field->paste();
        EXPECT_EQ(field->text(), u"abü"_s) << name;
        EXPECT_EQ(Child<QStatusBar>("sbStatus")->currentMessage(),
                  u"\"漢😀\" left out: Scenery.cfg holds only the characters of the ANSI code page."_s)
            << name;
    }
    EXPECT_EQ(AreaAt(2).Title, "ab\xFC");
}

} // namespace
