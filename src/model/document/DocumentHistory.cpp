#include "model/document/DocumentHistory.h"

#include <algorithm>

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

bool TDocumentHistory::ActivateRequired(TEntryId id) {
    // States share their areas: one active copy per shared area keeps them shared.
    std::vector<std::pair<TAreaRef, TAreaRef>> activated;
    for (TSceneryDocument& state : FStates)
        for (TDocumentArea& entry : state.Areas) {
            if (entry.Id != id)
                continue;
            const auto known = std::find_if(activated.begin(), activated.end(),
                                            [&entry](const auto& pair) { return pair.first == entry.Area; });
            if (known != activated.end()) {
                entry.Area = known->second;
            } else if (TAreaRef active = ActivatedIfRequired(entry.Area)) {
                activated.emplace_back(entry.Area, active);
                entry.Area = std::move(active);
            }
        }
    return !activated.empty();
}
