#include "model/document/AreaFilter.h"

#include <algorithm>

TAreaFilter::TAreaFilter(std::string_view text, TAreaKind kind, const TLetterCase& lower)
    : FText(text), FKind(kind), FLower(&lower) {
    for (char& c : FText)
        c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
}

bool TAreaFilter::Matches(const TArea& area, bool folderMissing) const {
    if (!OfKind(area, folderMissing))
        return false;
    return FText.empty() || Holds(area.Title) || Holds(area.Local) || Holds(area.Remote) ||
           FText == std::to_string(area.Layer);
}

// Folds both sides byte by byte while searching, so no lowered copy of each field is made per keystroke.
bool TAreaFilter::Holds(const std::string& field) const {
    const TLetterCase& lower = *FLower;
    return std::search(field.begin(), field.end(), FText.begin(), FText.end(), [&lower](char a, char b) {
               return lower[static_cast<unsigned char>(a)] == static_cast<unsigned char>(b);
           }) != field.end();
}

bool TAreaFilter::OfKind(const TArea& area, bool folderMissing) const {
    switch (FKind) {
    case TAreaKind::Active:
        return area.Active;
    case TAreaKind::Inactive:
        return !area.Active;
    case TAreaKind::MissingFolder:
        return folderMissing;
    case TAreaKind::Required:
        return area.Required;
    case TAreaKind::All:
        break;
    }
    return true;
}

TFilterView FilterRows(const TSceneryDocument& document, const TAreaFilter& filter, const TSelection& missing,
                       const std::unordered_set<TEntryId>& kept, const TSelection& selected, int current) {
    TFilterView view;
    view.Shown.resize(document.Areas.size());
    for (std::size_t p = 0; p < document.Areas.size(); ++p) {
        const TDocumentArea& entry = document.Areas[p];
        const bool shown = !filter.IsOn() || filter.Matches(*entry.Area, missing[p]) || kept.count(entry.Id);
        view.Shown[p] = shown;
        view.ShownCount += shown;
    }
    view.Selected = TakenRows(selected, view.Shown);
    view.Current = current >= 0 && view.Shown[static_cast<std::size_t>(current)]
                       ? current
                       : FirstSelected(view.Selected);
    return view;
}

TSelection TakenRows(const TSelection& selected, const TSelection& shown) {
    TSelection taken(selected.size(), 0);
    for (std::size_t p = 0; p < selected.size(); ++p)
        taken[p] = selected[p] && shown[p];
    return taken;
}
