// The area list commands of the main window: numbering, adding, duplicating, deleting and moving.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"
#include "model/ListRules.h"
#include "platform/AnsiCodec.h"

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {
// The number after the largest one; a list that already holds the largest integer keeps it instead of
// wrapping round to a negative one.
std::int32_t NumberAfter(std::int32_t largest) {
    return largest == std::numeric_limits<std::int32_t>::max() ? largest : largest + 1;
}

// The largest value of the field over all rows' areas, -1 for an empty list.
int Largest(const TAreaListView& list, std::int32_t TArea::*field) {
    int largest = -1;
    for (int row = 0; row < list.RowCount(); ++row)
        largest = std::max(largest, list.Row(row)->Area().*field);
    return largest;
}

// False, after telling the user, when no row is selected.
bool AnySelected(const std::vector<char>& selected, const QString& error) {
    if (std::find(selected.begin(), selected.end(), 1) != selected.end())
        return true;
    ShowError(error);
    return false;
}

QString Quoted(const std::string& title) {
    return u"\""_s + AnsiToUnicode(title) + u"\""_s;
}
} // namespace

int THauptformular::MaxAreaNumber() const {
    return Largest(*lvAreas, &TArea::Number);
}

int THauptformular::MaxLayer() const {
    return Largest(*lvAreas, &TArea::Layer);
}

void THauptformular::Renumber() {
    {
        TAreaListView::TQuietCells quiet(*lvAreas);
        for (int row = 0; row < lvAreas->RowCount(); ++row) {
            TAreaRow& item = *lvAreas->Row(row);
            item.Area().Number = row + 1;
            item.Area().Layer = row + 1;
            item.setText(0, QString::number(row + 1));
        }
    }
    // Rewritten cells give no selection notice, so the editor's layer is refreshed here.
    if (CurrentItem)
        ShowArea(CurrentItem->Area());
    MarkModified();
}

void THauptformular::bbRenumberClick() {
    Renumber();
    FollowSelection();
}

void THauptformular::bbAddClick() {
    auto area = std::make_unique<TArea>();
    area->Number = NumberAfter(MaxAreaNumber());
    area->Layer = NumberAfter(MaxLayer());
    auto* row = new TAreaRow(std::move(area));
    UpdateRow(*row);
    CheckFolders({row});
    lvAreas->addTopLevelItem(row);
    lvAreas->SelectOnly(lvAreas->RowCount() - 1);
    lvAreas->scrollToItem(row);
    MarkModified();
    FollowSelection();
}

// Copies of the selected rows go to the end in list order, each numbered after the largest so far.
void THauptformular::bbDuplClick() {
    const std::vector<char> selected = lvAreas->SelectionFlags();
    if (!AnySelected(selected, u"No area selected!"_s))
        return;
    std::int32_t number = MaxAreaNumber();
    std::int32_t layer = MaxLayer();
    QList<QTreeWidgetItem*> copies;
    for (std::size_t position = 0; position < selected.size(); ++position) {
        if (!selected[position])
            continue;
        auto copy = std::make_unique<TArea>();
        copy->Assign(lvAreas->Row(static_cast<int>(position))->Area());
        copy->Title = "Copy of " + copy->Title;
        copy->Number = number = NumberAfter(number);
        copy->Layer = layer = NumberAfter(layer);
        auto* row = new TAreaRow(std::move(copy));
        UpdateRow(*row);
        copies.append(row);
    }
    CheckFolders(copies);
    lvAreas->addTopLevelItems(copies);
    lvAreas->scrollToItem(copies.last());
    MarkModified();
    FollowSelection();
}

// Asks for each selected row from the bottom up; required areas are never deleted. The editor stops
// naming a deleted row at once and afterwards follows the rows still selected.
void THauptformular::bbDeleteClick() {
    const std::vector<char> selected = lvAreas->SelectionFlags();
    if (!AnySelected(selected, u"No area selected!"_s))
        return;
    for (int position = static_cast<int>(selected.size()) - 1; position >= 0; --position) {
        if (!selected[static_cast<std::size_t>(position)])
            continue;
        TAreaRow* row = lvAreas->Row(position);
        const TArea& area = row->Area();
        if (area.Required) {
            ShowError(u"Area "_s + Quoted(area.Title) + u" is marked as REQUIRED and cannot be deleted!"_s);
            continue;
        }
        if (!AskYesNo(u"Do you really want to delete area "_s + Quoted(area.Title) + u"?"_s))
            continue;
        if (CurrentItem == row)
            CurrentItem = nullptr;
        const QSignalBlocker quiet(lvAreas);
        delete row;
        MarkModified();
    }
    FollowSelection();
}

// The rows take their new order and selection; every list command that reorders ends here.
void THauptformular::ApplyListChange(const TListChange& change) {
    lvAreas->Reorder(change.Order);
    MarkModified();
    Renumber();
    lvAreas->SelectByFlags(change.Selected);
    FollowSelection();
}

// A block of selected rows moves up one place per click, keeping its order and its selection.
void THauptformular::bbUpClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (AnySelected(selected, u"No areas selected!"_s))
        ApplyListChange(MoveUp(selected));
}

void THauptformular::bbDownClick() {
    const TSelection selected = lvAreas->SelectionFlags();
    if (AnySelected(selected, u"No areas selected!"_s))
        ApplyListChange(MoveDown(selected));
}
