#include "model/document/CommandStates.h"

TCommandStates EnabledCommands(const TSceneryDocument& document, const TSelection& selected, int current) {
    TCommandStates states;
    states.Editable = current >= ProtectedRows;
    bool top = false;
    bool bottom = false;
    bool required = false;
    if (states.Editable) {
        for (std::size_t p = 0; p < selected.size(); ++p) {
            if (!selected[p])
                continue;
            top = top || p == ProtectedRows;
            bottom = bottom || p + 1 == selected.size();
            required = required || document.Areas[p].Area->Required;
        }
    }
    states.ActiveBox = states.Editable && !document.Area(current).Required;
    states.Up = states.Editable && !top;
    states.Down = states.Editable && !bottom;
    states.Delete = states.Editable && !required;
    states.Duplicate = states.Editable;
    // Without a current row nothing is selected: pasting and importing need no selection.
    states.PlaceFree = states.Editable || current < 0;
    states.Cut = states.PlaceFree && !required;
    return states;
}
