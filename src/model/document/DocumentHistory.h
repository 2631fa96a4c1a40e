#pragma once

#include "model/document/DocumentCommands.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// The undo history of one loaded document: every state since the load, the steps between them, and
// which state was last loaded or saved. States share the areas they have in common, so a step costs
// one pointer per row plus the areas it changed.
class TDocumentHistory {
public:
    // Older steps are forgotten beyond this many: a step that renumbers 2000 areas costs about 0.7 MB.
    static constexpr std::size_t MaxSteps = 200;

    explicit TDocumentHistory(TSceneryDocument loaded = {});

    const TSceneryDocument& Current() const { return FStates[FIndex]; }
    // Drops the steps undone before it. A step of the same run as the last one (the same non-empty
    // run key, nothing undone, saved or ended in between) takes the last one's place, so a run of
    // keystrokes in one field is undone at once.
    void Record(TDocumentStep step, const std::string& runKey = {});
    // The next step starts a new run even with the same key.
    void EndRun() { FRunKey.clear(); }

    bool CanUndo() const { return FIndex > 0; }
    bool CanRedo() const { return FIndex + 1 < FStates.size(); }
    const std::string& UndoName() const { return FSteps[FIndex - 1].Name; }
    const std::string& RedoName() const { return FSteps[FIndex].Name; }
    // Only while CanUndo and CanRedo; each gives the rows the step touched, to select in Current().
    TSelection Undo();
    TSelection Redo();

    // The current state as written: it replaces the state without a step and becomes the saved one.
    void MarkSaved(TSceneryDocument saved);
    bool IsSaved() const { return FSaved == FIndex; }
    // Showing an inactive required area makes it active, a change no undo may take back and no save
    // needs to know of: every state's copy of the entry becomes active, each keeping the rest as it was.
    // False when the entry was active already.
    bool ActivateRequired(TEntryId id);

private:
    struct TStep {
        std::string Name;
        TSelection TouchedBefore;
        TSelection TouchedAfter;
    };

    std::deque<TSceneryDocument> FStates;
    // Step i leads from state i to state i + 1.
    std::deque<TStep> FSteps;
    std::size_t FIndex = 0;
    // None once the saved state has been dropped or replaced by a new branch.
    std::optional<std::size_t> FSaved = 0;
    std::string FRunKey;
};
