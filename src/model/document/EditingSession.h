#pragma once

#include "model/document/AreaFilter.h"
#include "model/document/DocumentHistory.h"

#include <string>
#include <unordered_set>
#include <vector>

// One editing session of the loaded library: the document with its undo history, the selection and the
// entry the editor shows, the area clipboard, and the filter with the rows a command keeps in sight.
// The window hands it the user's input (a selection, a command's step, an edit) and shows what it holds.
class TEditingSession {
public:
    const TSceneryDocument& Document() const { return FHistory.Current(); }
    const TDocumentHistory& History() const { return FHistory; }
    bool IsModified() const { return !FHistory.IsSaved(); }

    // A library read: a new history, nothing current, every kept row gone; the first row shown is
    // selected once the filter has been applied.
    void Load(TSceneryDocument document);
    // The current state as written.
    void MarkSaved(TSceneryDocument saved) { FHistory.MarkSaved(std::move(saved)); }

    const TSelection& Selected() const { return FSelected; }
    // The entry the editor shows, 0 for none.
    TEntryId Current() const { return FCurrent; }
    int CurrentPosition() const { return PositionOf(Document(), FCurrent); }
    // The user's selection: the editor follows its first row; with nothing selected it keeps its row.
    void Select(TSelection selected);
    // The editor shows this entry (0: none); a run of keystrokes ends when it changes.
    void SetCurrent(TEntryId id);
    // With no current entry, the first selected row becomes current.
    void FollowSelection();
    // A required area becomes active as soon as the editor shows it. That is no step: no undo may make
    // it inactive again, and the saved state counts it as it is. True when the area changed.
    bool ActivateCurrentIfRequired();

    // A command's step: the editor's entry settles, the rows it touched stay in sight, and the history
    // takes it. A typed change of the same run key continues the last step.
    void Perform(TDocumentStep step, const std::string& runKey = {});
    // Each selects the rows the step touched; nothing is current and no row is kept in sight any more.
    void Undo();
    void Redo();
    void EndRun() { FHistory.EndRun(); }

    // Cut and Copy fill it from the selection (lowest row first); Paste keeps it for the next paste.
    void Copy() { FClipboard = CopiedAreas(Document(), FSelected); }
    const std::vector<TAreaRef>& Clipboard() const { return FClipboard; }

    // The find field and the kind: a new filter lets every kept row go.
    void SetFilter(const TAreaFilter& filter);
    const TAreaFilter& Filter() const { return FFilter; }
    // The rows the filter shows; hidden rows leave the selection, and the editor its row when it hides.
    // missing has one flag per row, set where the area's folder was not found.
    TFilterView ApplyFilter(const TSelection& missing);
    bool RowsHidden() const { return FRowsHidden; }

private:
    TDocumentHistory FHistory;
    TSelection FSelected;
    TEntryId FCurrent = 0;
    std::vector<TAreaRef> FClipboard;
    TAreaFilter FFilter;
    // Entries shown whatever the filter says, until the filter changes.
    std::unordered_set<TEntryId> FKeptShown;
    bool FRowsHidden = false;
};
