#pragma once

#include "model/document/SceneryDocument.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>

// The kinds of area the list can be narrowed to, in the order the window offers them.
enum class TAreaKind { All, Active, Inactive, MissingFolder, Required };

// The lower-case letter of each byte of the ANSI code page (the byte itself where it has none). Only
// the platform knows the code page, so it fills the table.
using TLetterCase = std::array<unsigned char, 256>;

// What the find field and the kind choice ask for: an area of the kind whose Title, Local Path or
// Remote Path holds the text, letter case ignored, or whose number in the list ("No.", the layer) is
// the text. An empty text with every kind is no filter at all.
class TAreaFilter {
public:
    TAreaFilter() = default;
    // The table must outlive the filter.
    TAreaFilter(std::string_view text, TAreaKind kind, const TLetterCase& lower);

    bool IsOn() const { return !FText.empty() || FKind != TAreaKind::All; }
    bool Matches(const TArea& area, bool folderMissing) const;

private:
    bool Holds(const std::string& field) const;
    bool OfKind(const TArea& area, bool folderMissing) const;

    // In lower case.
    std::string FText;
    TAreaKind FKind = TAreaKind::All;
    const TLetterCase* FLower = nullptr;
};

// Which rows the list shows under a filter, and what stays selected and current.
struct TFilterView {
    TSelection Shown;
    TSelection Selected;
    // The current row, or -1 for none.
    int Current = -1;
    int ShownCount = 0;
};

// A row shows when its area matches or its entry is kept: the rows a command added or changed stay in
// sight until the filter itself changes. Hidden rows leave the selection; the current row stays while
// it shows, else the first shown selected row takes its place, else none. missing has one flag per
// row, set where the area's folder was not found.
TFilterView FilterRows(const TSceneryDocument& document, const TAreaFilter& filter, const TSelection& missing,
                       const std::unordered_set<TEntryId>& kept, const TSelection& selected, int current);

// The rows a command takes while rows are hidden: the selected ones that show.
TSelection TakenRows(const TSelection& selected, const TSelection& shown);
