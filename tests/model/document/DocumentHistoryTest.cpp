#include "model/document/DocumentHistory.h"

#include <gtest/gtest.h>

namespace {

TSceneryDocument Titled(const std::string& title) {
    TSceneryDocument document;
    document.General.Title = title;
    return document;
}

TDocumentStep Step(const std::string& name, const std::string& title, int touched = 0) {
    return {name, Titled(title), {}, TSelection{static_cast<char>(touched)}, TSelection{1, static_cast<char>(touched)}};
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

TEST(DocumentHistory, ReplacesAnAreaInEveryState) {
    TSceneryDocument loaded;
    loaded.Areas.push_back(NewEntry(TArea()));
    const TAreaRef old = loaded.Areas[0].Area;
    TDocumentHistory history(loaded);
    TSceneryDocument titled = loaded;
    titled.General.Title = "titled";
    history.Record({"Title", titled, {1}, {1}, {1}});
    const auto replacement = std::make_shared<const TArea>();
    history.ReplaceEverywhere(old, replacement);
    EXPECT_EQ(history.Current().Areas[0].Area, replacement);
    history.Undo();
    EXPECT_EQ(history.Current().Areas[0].Area, replacement);
    EXPECT_TRUE(history.IsSaved());
}

} // namespace
