#include "model/document/EditingSession.h"

#include "model/document/ListRules.h"

void TEditingSession::Load(TSceneryDocument document) {
    FHistory = TDocumentHistory(std::move(document));
    FSelected.assign(static_cast<std::size_t>(Document().Count()), 0);
    FCurrent = 0;
    FKeptShown.clear();
}

void TEditingSession::Select(TSelection selected) {
    FSelected = std::move(selected);
    const int first = FirstSelected(FSelected);
    if (first >= 0)
        SetCurrent(Document().Areas[static_cast<std::size_t>(first)].Id);
}

void TEditingSession::SetCurrent(TEntryId id) {
    if (id != FCurrent)
        FHistory.EndRun();
    FCurrent = id;
}

void TEditingSession::FollowSelection() {
    if (FCurrent == 0)
        Select(FSelected);
}

bool TEditingSession::ActivateCurrentIfRequired() {
    return FCurrent != 0 && FHistory.ActivateRequired(FCurrent);
}

void TEditingSession::Perform(TDocumentStep step, const std::string& runKey) {
    SettleCurrent(step, Document(), FSelected, FCurrent);
    for (std::size_t p = 0; p < step.TouchedAfter.size(); ++p)
        if (step.TouchedAfter[p])
            FKeptShown.insert(step.Document.Areas[p].Id);
    FSelected = step.Selected;
    FCurrent = step.Current;
    FHistory.Record(std::move(step), runKey);
}

void TEditingSession::Undo() {
    FSelected = FHistory.Undo();
    FCurrent = 0;
    FKeptShown.clear();
}

void TEditingSession::Redo() {
    FSelected = FHistory.Redo();
    FCurrent = 0;
    FKeptShown.clear();
}

void TEditingSession::SetFilter(const TAreaFilter& filter) {
    FFilter = filter;
    FKeptShown.clear();
}

TFilterView TEditingSession::ApplyFilter(const TSelection& missing) {
    TFilterView view = FilterRows(Document(), FFilter, missing, FKeptShown, FSelected, CurrentPosition());
    FRowsHidden = view.ShownCount < Document().Count();
    FSelected = view.Selected;
    if (view.Current != CurrentPosition())
        SetCurrent(0);
    return view;
}
