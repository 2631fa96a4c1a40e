#include "model/document/DocumentHistory.h"

#include <gtest/gtest.h>

namespace {

TSceneryDocument Titled(const std::string& title) {
    TSceneryDocument document;
    document.General.Title = title;
    return document;
}

TDocumentStep Step(const std::string& name, const std::string& title, int touched = 0) {
    return {name,
            Titled(title),
            {},
            TSelection{static_cast<char>(touched)},
            TSelection{1, static_cast<char>(touched)}};
}

// What the history offers: its current title, the names in the two menu items (empty when disabled)
// and whether the current state is the saved one.
std::string State(const TDocumentHistory& history) {
    return history.Current().General.Title + " | " + (history.CanUndo() ? history.UndoName() : "") + " | " +
           (history.CanRedo() ? history.RedoName() : "") + (history.IsSaved() ? " | saved" : "");
}

TEST(DocumentHistory, UndoesAndRedoesEveryStepAndKnowsTheSavedState) {
    TDocumentHistory history(Titled("loaded"));
    EXPECT_EQ(State(history), "loaded |  |  | saved");
    history.Record(Step("Move down", "moved", 1));
    history.Record(Step("Delete", "deleted"));
    EXPECT_EQ(State(history), "deleted | Delete | ");
    EXPECT_EQ(history.Undo(), TSelection{0});
    EXPECT_EQ(State(history), "moved | Move down | Delete");
    EXPECT_EQ(history.Undo(), TSelection{1});
    EXPECT_EQ(State(history), "loaded |  | Move down | saved");
    EXPECT_EQ(history.Redo(), (TSelection{1, 1}));
    EXPECT_EQ(State(history), "moved | Move down | Delete");

    // A new step drops the undone ones; saving makes its state the saved one.
    history.Record(Step("Paste", "pasted"));
    EXPECT_EQ(State(history), "pasted | Paste | ");
    history.MarkSaved(Titled("renumbered"));
    EXPECT_EQ(State(history), "renumbered | Paste |  | saved");
    history.Undo();
    EXPECT_EQ(State(history), "moved | Move down | Paste");
    history.Record(Step("Import", "imported"));
    EXPECT_EQ(State(history), "imported | Import | ");
    history.Undo();
    EXPECT_EQ(State(history), "moved | Move down | Import");
}

TEST(DocumentHistory, KeystrokesOfOneRunAreOneStep) {
    TDocumentHistory history(Titled(""));
    for (const char* typed : {"A", "Al", "Alp"})
        history.Record(Step("Title", typed), "Title7");
    EXPECT_EQ(State(history), "Alp | Title | ");
    history.EndRun();
    history.Record(Step("Title", "Alps"), "Title7");
    history.Record(Step("Title", "Alps!"), "Title8");
    history.MarkSaved(Titled("Alps!"));
    history.Record(Step("Title", "Alps!!"), "Title8");
    history.Undo();
    history.Undo();
    EXPECT_EQ(State(history), "Alps | Title | Title");
    history.Undo();
    history.Undo();
    EXPECT_EQ(State(history), " |  | Title");
}

TEST(DocumentHistory, KeepsTheNewestStepsOnly) {
    TDocumentHistory history(Titled("0"));
    const int steps = static_cast<int>(TDocumentHistory::MaxSteps) + 2;
    for (int step = 1; step <= steps; ++step)
        history.Record(Step("Add", std::to_string(step)));
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(TDocumentHistory::MaxSteps));
    // The loaded state is gone: no state left counts as saved.
    EXPECT_EQ(State(history), "2 |  | Add");
}

// Whatever copies of the entry the steps made (renumbered, retitled), each state's copy becomes active
// and keeps the rest as that state had it; other entries and the saved state stay as they are.
TEST(DocumentHistory, ActivatesARequiredEntryInEveryState) {
    TArea required;
    required.Required = true;
    required.Active = false;
    required.Number = 7;
    TSceneryDocument loaded;
    loaded.Areas = {NewEntry(TArea()), NewEntry(required)};
    const TEntryId id = loaded.Areas[1].Id;
    TDocumentHistory history(loaded);
    TSceneryDocument moved = loaded;
    std::swap(moved.Areas[0], moved.Areas[1]);
    auto renumbered = std::make_shared<TArea>(required);
    renumbered->Number = 1;
    moved.Areas[0].Area = renumbered;
    history.Record({"Move up", moved, {1, 0}, {0, 1}, {1, 0}});
    TSceneryDocument titled = moved;
    auto retitled = std::make_shared<TArea>(*renumbered);
    retitled->Title = "Base";
    titled.Areas[0].Area = retitled;
    history.Record({"Title", titled, {1, 0}, {1, 0}, {1, 0}});

    history.ActivateRequired(id);
    std::vector<std::string> states;
    for (int undo = 0; undo < 3; ++undo) {
        for (const TDocumentArea& entry : history.Current().Areas)
            if (entry.Id == id)
                states.push_back(entry.Area->Title + "/" + std::to_string(entry.Area->Number) + "/" +
                                 (entry.Area->Active ? "active" : "inactive"));
        if (history.CanUndo())
            history.Undo();
    }
    EXPECT_EQ(states,
              (std::vector<std::string>{"Base/1/active", "<Untitled>/1/active", "<Untitled>/7/active"}));
    EXPECT_TRUE(history.IsSaved());
    EXPECT_TRUE(history.Current().Area(0).Active);
    EXPECT_FALSE(history.Current().Area(0).Required);
}

} // namespace
