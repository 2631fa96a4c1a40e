#include "model/document/DocumentCommands.h"

#include <algorithm>

namespace {

TSelection NoRows(std::size_t count) {
    return TSelection(count, 0);
}

// Only the areas whose number or layer changes are copied: the others stay shared with the old state.
void Renumber(std::vector<TDocumentArea>& areas) {
    for (std::size_t p = 0; p < areas.size(); ++p) {
        const auto number = static_cast<std::int32_t>(p + 1);
        if (areas[p].Area->Number == number && areas[p].Area->Layer == number)
            continue;
        auto renumbered = std::make_shared<TArea>(*areas[p].Area);
        renumbered->Number = renumbered->Layer = number;
        areas[p].Area = std::move(renumbered);
    }
}

// The selection's flags for a list into which count rows were inserted at the position.
TSelection WithInserted(const TSelection& selected, std::size_t position, std::size_t count, char flag) {
    TSelection flags = selected;
    flags.insert(flags.begin() + static_cast<std::ptrdiff_t>(position), count, flag);
    return flags;
}

// The document without the flagged rows, and the selection without them.
TDocumentStep Without(const TSceneryDocument& document, const TSelection& selected, const TSelection& removed,
                      std::string name) {
    TDocumentStep step{std::move(name), {document.General, {}}, {}, removed, {}};
    for (std::size_t p = 0; p < document.Areas.size(); ++p) {
        if (removed[p])
            continue;
        step.Document.Areas.push_back(document.Areas[p]);
        step.Selected.push_back(selected[p]);
    }
    step.TouchedAfter = NoRows(step.Document.Areas.size());
    return step;
}

// The order with the moved rows (the selected editable ones) taken out of the rest and put back at the
// given place among the rows that stay; the selection follows each row.
TListChange MovedToPlace(const TSelection& selected, bool top) {
    std::vector<int> moved;
    std::vector<int> staying;
    for (std::size_t p = 0; p < selected.size(); ++p)
        (selected[p] && p >= ProtectedRows ? moved : staying).push_back(static_cast<int>(p));
    const auto at =
        top ? staying.begin() + std::min<std::ptrdiff_t>(ProtectedRows, std::ssize(staying)) : staying.end();
    staying.insert(at, moved.begin(), moved.end());
    TListChange change{std::move(staying), {}};
    for (int from : change.Order)
        change.Selected.push_back(selected[static_cast<std::size_t>(from)]);
    return change;
}

std::optional<TDocumentStep> MoveToPlace(const TSceneryDocument& document, const TSelection& selected,
                                         bool top, std::string name) {
    const TListChange change = MovedToPlace(selected, top);
    if (std::is_sorted(change.Order.begin(), change.Order.end()))
        return std::nullopt;
    return ReorderAreas(document, selected, change, std::move(name));
}

} // namespace

std::vector<TDocumentArea> NewEntriesAfterLargest(const TSceneryDocument& document,
                                                  std::vector<TArea> areas) {
    std::int32_t number = document.Largest(&TArea::Number);
    std::int32_t layer = document.Largest(&TArea::Layer);
    std::vector<TDocumentArea> entries;
    entries.reserve(areas.size());
    for (TArea& area : areas) {
        area.Number = number = NumberAfter(number);
        area.Layer = layer = NumberAfter(layer);
        entries.push_back(NewEntry(std::move(area)));
    }
    return entries;
}

TDocumentStep AddArea(const TSceneryDocument& document) {
    TDocumentStep step{"Add", document, NoRows(document.Areas.size() + 1), {}, {}};
    step.Document.Areas.push_back(NewEntriesAfterLargest(document, {TArea()}).front());
    step.Selected.back() = 1;
    step.TouchedBefore = NoRows(document.Areas.size());
    step.TouchedAfter = step.Selected;
    return step;
}

TDocumentStep DuplicateAreas(const TSceneryDocument& document, const TSelection& selected) {
    TDocumentStep step{"Duplicate", document, selected, selected, NoRows(document.Areas.size())};
    std::vector<TArea> copies;
    for (int position : SelectedTopDown(selected)) {
        copies.push_back(document.Area(position));
        copies.back().Title = "Copy of " + copies.back().Title;
    }
    for (TDocumentArea& entry : NewEntriesAfterLargest(document, std::move(copies))) {
        step.Document.Areas.push_back(std::move(entry));
        step.Selected.push_back(0);
        step.TouchedAfter.push_back(1);
    }
    return step;
}

TDocumentStep DeleteAreas(const TSceneryDocument& document, const TSelection& selected,
                          const TSelection& deleted) {
    TSelection removed = deleted;
    for (std::size_t p = 0; p < removed.size(); ++p)
        removed[p] = removed[p] && MayBeDeleted(*document.Areas[p].Area);
    return Without(document, selected, removed, "Delete");
}

TDocumentStep RenumberAreas(const TSceneryDocument& document, const TSelection& selected) {
    TDocumentStep step{"Renumber", document, selected, selected, selected};
    Renumber(step.Document.Areas);
    return step;
}

TDocumentStep ReorderAreas(const TSceneryDocument& document, const TSelection& selected,
                           const TListChange& change, std::string name) {
    TDocumentStep step{std::move(name), {document.General, {}}, change.Selected, selected, {}};
    for (int from : change.Order) {
        step.Document.Areas.push_back(document.Areas[static_cast<std::size_t>(from)]);
        step.TouchedAfter.push_back(selected[static_cast<std::size_t>(from)]);
    }
    Renumber(step.Document.Areas);
    return step;
}

std::optional<TDocumentStep> MoveAreasToTop(const TSceneryDocument& document, const TSelection& selected) {
    return MoveToPlace(document, selected, true, "Move to Top");
}

std::optional<TDocumentStep> MoveAreasToBottom(const TSceneryDocument& document, const TSelection& selected) {
    return MoveToPlace(document, selected, false, "Move to Bottom");
}

bool CanMoveToEnd(const TSelection& selected) {
    return std::find(selected.begin() + std::min<std::ptrdiff_t>(ProtectedRows, std::ssize(selected)),
                     selected.end(), 1) != selected.end();
}

TDocumentStep RemoveSelected(const TSceneryDocument& document, const TSelection& selected, std::string name) {
    TDocumentStep step = Without(document, selected, selected, std::move(name));
    Renumber(step.Document.Areas);
    return step;
}

std::vector<TAreaRef> CopiedAreas(const TSceneryDocument& document, const TSelection& selected) {
    std::vector<TAreaRef> areas;
    for (int position : SelectedBottomUp(selected))
        areas.push_back(document.Areas[static_cast<std::size_t>(position)].Area);
    return areas;
}

TDocumentStep PasteAreas(const TSceneryDocument& document, const TSelection& selected,
                         const std::vector<TAreaRef>& clipboard) {
    const int position = FirstSelected(selected);
    std::vector<TArea> areas;
    if (position >= 0)
        for (const TAreaRef& area : clipboard)
            areas.push_back(*area);
    return InsertAreas(document, selected, std::max(position, 0), std::move(areas), "Paste");
}

TDocumentStep InsertAreas(const TSceneryDocument& document, const TSelection& selected, int position,
                          std::vector<TArea> areas, std::string name) {
    const auto at = static_cast<std::size_t>(position);
    TDocumentStep step{std::move(name),
                       {document.General, {}},
                       WithInserted(selected, at, areas.size(), 0),
                       selected,
                       WithInserted(NoRows(selected.size()), at, areas.size(), 1)};
    std::vector<TDocumentArea>& entries = step.Document.Areas;
    entries.reserve(document.Areas.size() + areas.size());
    entries.assign(document.Areas.begin(), document.Areas.begin() + position);
    for (TArea& area : areas)
        entries.push_back(NewEntry(std::move(area)));
    entries.insert(entries.end(), document.Areas.begin() + position, document.Areas.end());
    Renumber(entries);
    return step;
}

TDocumentStep ChangeArea(const TSceneryDocument& document, const TSelection& selected, int position,
                         std::string name, const std::function<void(TArea&)>& change) {
    TSelection touched = NoRows(selected.size());
    touched[static_cast<std::size_t>(position)] = 1;
    TDocumentStep step{std::move(name), document, selected, touched, touched};
    auto changed = std::make_shared<TArea>(document.Area(position));
    change(*changed);
    changed->Active = changed->Active || MustBeActive(*changed);
    step.Document.Areas[static_cast<std::size_t>(position)].Area = std::move(changed);
    return step;
}

TDocumentStep ChangeGeneral(const TSceneryDocument& document, const TSelection& selected, std::string name,
                            const std::function<void(TGeneral&)>& change) {
    TDocumentStep step{std::move(name), document, selected, selected, selected};
    change(step.Document.General);
    return step;
}

bool MustBeActive(const TArea& area) {
    return area.Required;
}

bool MayBeDeleted(const TArea& area) {
    return !area.Required;
}

TAreaRef ActivatedIfRequired(const TAreaRef& area) {
    if (!MustBeActive(*area) || area->Active)
        return nullptr;
    auto active = std::make_shared<TArea>(*area);
    active->Active = true;
    return active;
}

TActivation SetActive(const TSceneryDocument& document, const TSelection& selected, bool active) {
    TActivation activation{{active ? "Activate" : "Deactivate", document, selected, selected, selected}, 0};
    for (std::size_t p = ProtectedRows; p < selected.size(); ++p) {
        const TAreaRef& area = document.Areas[p].Area;
        if (!selected[p] || area->Active == active)
            continue;
        if (!active && MustBeActive(*area)) {
            ++activation.RequiredKept;
            continue;
        }
        auto changed = std::make_shared<TArea>(*area);
        changed->Active = active;
        activation.Step.Document.Areas[p].Area = std::move(changed);
    }
    return activation;
}

TDocumentStep ReplaceDocument(const TSceneryDocument& document, TSceneryDocument replacement,
                              std::string name) {
    const auto firstOnly = [](std::size_t count) {
        TSelection flags = NoRows(count);
        if (count > 0)
            flags.front() = 1;
        return flags;
    };
    TSelection selected = firstOnly(replacement.Areas.size());
    TSelection before = firstOnly(document.Areas.size());
    return {std::move(name), std::move(replacement), selected, std::move(before), selected};
}

namespace {
std::vector<TEntryId> SelectedEntries(const TSceneryDocument& document, const TSelection& selected) {
    std::vector<TEntryId> ids;
    for (int position : SelectedTopDown(selected))
        ids.push_back(document.Areas[static_cast<std::size_t>(position)].Id);
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

void SettleCurrent(TDocumentStep& step, const TSceneryDocument& before, const TSelection& selectedBefore,
                   TEntryId currentBefore) {
    const std::vector<TEntryId> now = SelectedEntries(step.Document, step.Selected);
    const std::vector<TEntryId> then = SelectedEntries(before, selectedBefore);
    const bool stays = PositionOf(step.Document, currentBefore) >= 0;
    if (now == then)
        step.Current = stays ? currentBefore : 0;
    else if (const int first = FirstSelected(step.Selected); first >= 0)
        step.Current = step.Document.Areas[static_cast<std::size_t>(first)].Id;
    else
        step.Current =
            stays && !std::binary_search(then.begin(), then.end(), currentBefore) ? currentBefore : 0;
}

int PositionOf(const TSceneryDocument& document, TEntryId id) {
    for (std::size_t p = 0; p < document.Areas.size(); ++p)
        if (document.Areas[p].Id == id)
            return static_cast<int>(p);
    return -1;
}
