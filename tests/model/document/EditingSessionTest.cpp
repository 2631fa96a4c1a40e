#include "model/document/EditingSession.h"

#include "SelectionFlags.h"

#include <gtest/gtest.h>

namespace {

// Areas titled T0, T1, ...; the listed rows required and inactive.
TSceneryDocument Doc(int count, const std::vector<int>& requiredInactive = {}) {
    TSceneryDocument document;
    for (int i = 0; i < count; ++i) {
        TArea area;
        area.Title = "T" + std::to_string(i);
        area.Required = area.Active = true;
        for (int r : requiredInactive)
            if (r == i)
                area.Active = false;
        document.Areas.push_back(NewEntry(area));
    }
    return document;
}

TEditingSession Loaded(int count, const std::vector<int>& requiredInactive = {}) {
    TEditingSession session;
    session.Load(Doc(count, requiredInactive));
    return session;
}

TEST(EditingSession, TheEditorFollowsTheFirstSelectedRowAndKeepsItWithNoneSelected) {
    TEditingSession session = Loaded(6);
    EXPECT_EQ(session.CurrentPosition(), -1);
    session.Select(Flags(6, {4, 2}));
    EXPECT_EQ(session.CurrentPosition(), 2);
    session.Select(Flags(6, {}));
    EXPECT_EQ(session.CurrentPosition(), 2);
    session.SetCurrent(0);
    session.FollowSelection();
    EXPECT_EQ(session.CurrentPosition(), -1);
}

// No step: nothing to undo, and the state still counts as saved.
TEST(EditingSession, ARequiredAreaBecomesActiveWhenShownWithoutAStep) {
    TEditingSession session = Loaded(6, {3});
    session.Select(Flags(6, {3}));
    EXPECT_TRUE(session.ActivateCurrentIfRequired());
    EXPECT_TRUE(session.Document().Area(3).Active);
    EXPECT_FALSE(session.ActivateCurrentIfRequired());
    EXPECT_FALSE(session.History().CanUndo());
    EXPECT_FALSE(session.IsModified());
}

// What a command added stays in sight under a filter it does not match, until the filter changes;
// undoing selects the touched rows and lets every kept row go.
TEST(EditingSession, StepsKeepTheirRowsShownUntilTheFilterChanges) {
    const TLetterCase lower = [] {
        TLetterCase table{};
        for (int b = 0; b < 256; ++b)
            table[static_cast<std::size_t>(b)] =
                static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
        return table;
    }();
    TEditingSession session = Loaded(4);
    session.SetFilter(TAreaFilter("t1", TAreaKind::All, lower));
    session.Select(Flags(4, {1}));
    session.Perform(AddArea(session.Document()));
    EXPECT_EQ(session.ApplyFilter(Flags(5, {})).Shown, Flags(5, {1, 4}));
    EXPECT_TRUE(session.RowsHidden());
    EXPECT_EQ(session.CurrentPosition(), 4);
    session.Undo();
    EXPECT_EQ(session.Selected(), Flags(4, {}));
    EXPECT_EQ(session.Current(), 0u);
    session.Redo();
    EXPECT_EQ(session.ApplyFilter(Flags(5, {})).Shown, Flags(5, {1}));
    EXPECT_EQ(session.Selected(), Flags(5, {}));
}

// The clipboard outlives the rows it was filled from; each paste adds new entries, the lowest row's
// area on top.
TEST(EditingSession, CopiedAreasPasteAgainAndAgain) {
    TEditingSession session = Loaded(4);
    session.Select(Flags(4, {2, 3}));
    session.Copy();
    session.Perform(RemoveSelected(session.Document(), session.Selected(), "Cut"));
    session.Select(Flags(2, {1}));
    for (int paste = 0; paste < 2; ++paste)
        session.Perform(PasteAreas(session.Document(), session.Selected(), session.Clipboard()));
    std::vector<std::string> titles;
    for (const TDocumentArea& entry : session.Document().Areas)
        titles.push_back(entry.Area->Title);
    EXPECT_EQ(titles, (std::vector<std::string>{"T0", "T3", "T2", "T3", "T2", "T1"}));
}

} // namespace
