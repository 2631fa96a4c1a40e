#include "model/document/ListRules.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

std::vector<int> Identity(std::size_t count) {
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

} // namespace

TListChange MoveUp(const TSelection& selected) {
    TListChange change{Identity(selected.size()), selected};
    for (std::size_t p = 1; p < selected.size(); ++p) {
        if (!change.Selected[p])
            continue;
        std::swap(change.Order[p - 1], change.Order[p]);
        change.Selected[p] = 0;
        change.Selected[p - 1] = 1;
    }
    return change;
}

TListChange MoveDown(const TSelection& selected) {
    TListChange change{Identity(selected.size()), selected};
    for (std::size_t p = selected.size() < 2 ? 0 : selected.size() - 1; p-- > 0;) {
        if (!change.Selected[p])
            continue;
        std::swap(change.Order[p], change.Order[p + 1]);
        change.Selected[p] = 0;
        change.Selected[p + 1] = 1;
    }
    return change;
}

TListChange Drop(const TSelection& selected, int target) {
    std::vector<int> dragged;
    std::vector<int> kept;
    for (std::size_t p = 0; p < selected.size(); ++p)
        (selected[p] ? dragged : kept).push_back(static_cast<int>(p));
    const auto at = target < 0 ? kept.end() : std::find(kept.begin(), kept.end(), target);
    kept.insert(at, dragged.begin(), dragged.end());
    return {kept, TSelection(selected.size(), 0)};
}

TListChange MoveBelow(std::size_t count, int from, int after, int protectedRows) {
    std::vector<int> order = Identity(count);
    order.erase(order.begin() + from);
    const auto firstFree = order.begin() + std::min<std::ptrdiff_t>(protectedRows, std::ssize(order));
    const auto at = std::max(std::find(order.begin(), order.end(), after) + 1, firstFree);
    const auto place = static_cast<std::size_t>(order.insert(at, from) - order.begin());
    TListChange change{std::move(order), TSelection(count, 0)};
    change.Selected[place] = 1;
    return change;
}

std::vector<int> SelectedBottomUp(const TSelection& selected) {
    std::vector<int> positions;
    for (std::size_t p = selected.size(); p-- > 0;)
        if (selected[p])
            positions.push_back(static_cast<int>(p));
    return positions;
}

int FirstSelected(const TSelection& selected) {
    for (std::size_t p = 0; p < selected.size(); ++p)
        if (selected[p])
            return static_cast<int>(p);
    return -1;
}

std::vector<int> SelectedTopDown(const TSelection& selected) {
    std::vector<int> positions = SelectedBottomUp(selected);
    std::reverse(positions.begin(), positions.end());
    return positions;
}

int ImportPosition(const TSelection& selected, TInsertPlace place) {
    if (place == TInsertPlace::AtEnd)
        return static_cast<int>(selected.size());
    const auto count = std::count_if(selected.begin(), selected.end(), [](char flag) { return flag != 0; });
    return count == 1 ? FirstSelected(selected) : -1;
}

bool DropAllowed(const TSelection& selected, int target, int protectedRows) {
    const auto limit = std::min(selected.size(), static_cast<std::size_t>(protectedRows));
    if (std::any_of(selected.begin(), selected.begin() + static_cast<std::ptrdiff_t>(limit),
                    [](char flag) { return flag != 0; }))
        return false;
    return target < 0 || (target >= protectedRows && !selected[static_cast<std::size_t>(target)]);
}
