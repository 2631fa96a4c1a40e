// Moving the selected areas to either end of the main window's list in one step: to the top, just
// below the protected rows, or to the bottom, where the simulator draws over all others.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"

using namespace Qt::Literals::StringLiterals;

void THauptformular::cmAreaMoveTopClick() {
    MoveToEnd(MoveAreasToTop, u"The selected areas are already at the top."_s);
}

void THauptformular::cmAreaMoveBottomClick() {
    MoveToEnd(MoveAreasToBottom, u"The selected areas are already at the bottom."_s);
}

// The first moved row is scrolled into view.
void THauptformular::MoveToEnd(std::optional<TDocumentStep> (*move)(const TSceneryDocument&,
                                                                    const TSelection&),
                               const QString& alreadyThere) {
    const TSelection selected = lvAreas->SelectionFlags();
    if (!CanMoveToEnd(selected)) {
        ShowError(u"No areas selected!"_s);
        return;
    }
    std::optional<TDocumentStep> step = move(Document(), selected);
    if (!step) {
        SetStatusText(alreadyThere);
        return;
    }
    Perform(std::move(*step));
    for (int row = ProtectedRows; row < lvAreas->RowCount(); ++row) {
        if (lvAreas->IsRowSelected(row)) {
            lvAreas->scrollToItem(lvAreas->Row(row));
            break;
        }
    }
}
