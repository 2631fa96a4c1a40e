#include "model/document/CommandStates.h"

TCommandStates EnabledCommands(const TSceneryDocument& document, const TSelection& selected, int current) {
    TCommandStates states;
    const bool editable = current >= ProtectedRows;
    bool top = false;
    bool bottom = false;
    bool required = false;
    for (std::size_t p = 0; p < selected.size(); ++p) {
        if (!selected[p])
            continue;
        states.EditableSelected = states.EditableSelected || p >= ProtectedRows;
        top = top || p == ProtectedRows;
        bottom = bottom || p + 1 == selected.size();
        required = required || !MayBeDeleted(*document.Areas[p].Area);
    }
    states.CurrentEditable = editable;
    states.CurrentNotRequired = editable && !MustBeActive(document.Area(current));
    states.TopNotSelected = editable && !top;
    states.BottomNotSelected = editable && !bottom;
    states.NoRequiredSelected = editable && !required;
    // Without a current row nothing is selected: pasting and importing need no selection.
    states.NoProtectedCurrent = editable || current < 0;
    states.NoProtectedNorRequired = states.NoProtectedCurrent && !required;
    return states;
}
