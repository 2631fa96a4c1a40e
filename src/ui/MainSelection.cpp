// The main window follows the selection: the editor shows the current area, the commands are enabled as
// the selection allows, and the status bar describes the list as it now stands.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "EditorPanel.h"
#include "model/document/CommandStates.h"

#include <QSignalBlocker>

// The editor follows the first selected row; with nothing selected it keeps what it shows.
void THauptformular::lvAreasChange() {
    Session.Select(lvAreas->SelectionFlags());
    if (lvAreas->FirstSelectedRow() < 0)
        return;
    FollowCurrent();
    Parts.Marks.ShowCurrent();
}

void THauptformular::FollowSelection() {
    FollowCurrent();
    ShowSelectionStatus();
}

void THauptformular::ShowSelectionStatus() {
    if (const TAreaRow* current = Parts.CurrentRow(); current && !current->Folder().Exists)
        Parts.Marks.ShowCurrent();
    else
        Parts.Marks.ShowSummary();
}

void THauptformular::FollowCurrent() {
    Session.FollowSelection();
    if (const TAreaRow* current = Parts.CurrentRow()) {
        UpdateControls();
        FEditor->ShowArea(current->Area());
    } else {
        FEditor->Clear();
        UpdateListCommands();
    }
}

// Making a required area active is no step: no undo may make it inactive again, and the saved state
// counts it as it is.
void THauptformular::UpdateControls() {
    if (Session.ActivateCurrentIfRequired()) {
        Parts.CurrentRow()->Show(Document().Areas[static_cast<std::size_t>(Session.CurrentPosition())].Area);
        FEditor->ShowActive();
    }
    const TCommandStates states = EnabledCommands(Document(), Session.Selected(), Session.CurrentPosition());
    FEditor->Enable(states.CurrentEditable, states.CurrentNotRequired);
    UpdateListCommands();
}

void THauptformular::SelectFlagged(const std::vector<char>& flags) {
    Session.SetCurrent(0);
    {
        const QSignalBlocker quiet(lvAreas);
        lvAreas->SelectByFlags(flags);
    }
    Session.Select(lvAreas->SelectionFlags());
    FollowSelection();
    lvAreas->scrollToItem(Parts.CurrentRow());
}
