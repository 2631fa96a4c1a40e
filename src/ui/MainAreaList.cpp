// Deleting areas from the main window's list, each after the user agreed.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "InfoDialogs.h"
#include "model/document/ListRules.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
QString Quoted(const std::string& title) {
    return u"\""_s + RecordToText(title) + u"\""_s;
}
} // namespace

// Asks for each selected row from the bottom up; required areas are never deleted. The rows the user
// agreed to go in one step.
void THauptformular::bbDeleteClick() {
    if (!SelectionServes(CommandOf("bbDeleteClick")))
        return;
    const TSelection selected = Session.Selected();
    TSelection deleted(selected.size(), 0);
    for (int position : SelectedBottomUp(selected)) {
        const TArea& area = Document().Area(position);
        if (!MayBeDeleted(area))
            ShowError(u"Area "_s + Quoted(area.Title) + u" is marked as REQUIRED and cannot be deleted!"_s);
        else
            deleted[static_cast<std::size_t>(position)] =
                AskYesNo(u"Do you really want to delete area "_s + Quoted(area.Title) + u"?"_s);
    }
    if (std::find(deleted.begin(), deleted.end(), 1) != deleted.end())
        Perform(DeleteAreas(Document(), selected, deleted));
    else
        FollowSelection();
}
