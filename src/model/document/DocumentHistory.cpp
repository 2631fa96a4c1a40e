#include "model/document/DocumentHistory.h"

TDocumentHistory::TDocumentHistory(TSceneryDocument loaded) {
    FStates.push_back(std::move(loaded));
}

void TDocumentHistory::Record(TDocumentStep step, const std::string& runKey) {
    FStates.resize(FIndex + 1);
    FSteps.resize(FIndex);
    if (FSaved && *FSaved > FIndex)
        FSaved.reset();
    const bool sameRun = !runKey.empty() && runKey == FRunKey && CanUndo() && !IsSaved();
    FRunKey = runKey;
    if (sameRun) {
        FStates.back() = std::move(step.Document);
        FSteps.back().TouchedAfter = std::move(step.TouchedAfter);
        return;
    }
    FSteps.push_back({std::move(step.Name), std::move(step.TouchedBefore), std::move(step.TouchedAfter)});
    FStates.push_back(std::move(step.Document));
    ++FIndex;
    if (FSteps.size() > MaxSteps) {
        FSteps.pop_front();
        FStates.pop_front();
        --FIndex;
        FSaved = FSaved && *FSaved > 0 ? std::optional(*FSaved - 1) : std::nullopt;
    }
}

TSelection TDocumentHistory::Undo() {
    EndRun();
    --FIndex;
    return FSteps[FIndex].TouchedBefore;
}

TSelection TDocumentHistory::Redo() {
    EndRun();
    ++FIndex;
    return FSteps[FIndex - 1].TouchedAfter;
}

void TDocumentHistory::MarkSaved(TSceneryDocument saved) {
    FStates[FIndex] = std::move(saved);
    FSaved = FIndex;
}

void TDocumentHistory::ReplaceEverywhere(const TAreaRef& area, const TAreaRef& replacement) {
    const TAreaRef kept = area;
    for (TSceneryDocument& state : FStates)
        for (TDocumentArea& entry : state.Areas)
            if (entry.Area == kept)
                entry.Area = replacement;
}
