#pragma once

#include "model/document/ListRules.h"
#include "model/format/QuarrowTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TProfileFile;

// The host's own areas stand in the first two rows: no command moves, deletes or edits them.
constexpr int ProtectedRows = 2;

// An area of the document never changes: a change puts a changed copy in its place, so every earlier
// state of the document that holds it stays as it was, sharing all it did not change.
using TAreaRef = std::shared_ptr<const TArea>;

// Which entry of the list an area is, across its edits, its renumbering and its moves; a copy, a paste
// and an import make new entries.
using TEntryId = std::uint64_t;

struct TDocumentArea {
    TEntryId Id = 0;
    TAreaRef Area;
};

// A new entry of the list holding this area.
TDocumentArea NewEntry(TArea area);

// What Quarrow edits: [General] and the ordered areas of one Scenery.cfg.
struct TSceneryDocument {
    TGeneral General;
    std::vector<TDocumentArea> Areas;

    int Count() const { return static_cast<int>(Areas.size()); }
    const TArea& Area(int position) const { return *Areas[static_cast<std::size_t>(position)].Area; }
    // The largest value of the field over all areas, -1 for an empty list.
    std::int32_t Largest(std::int32_t TArea::*field) const;
    // Every area in list order, for writing.
    std::vector<const TArea*> AreaPointers() const;
    // The areas of these positions, in the order given.
    std::vector<const TArea*> AreaPointers(const std::vector<int>& positions) const;
};

// The number after the largest one; a list that already holds the largest integer keeps it instead of
// wrapping round to a negative one.
std::int32_t NumberAfter(std::int32_t largest);

// The document a profile holds: [General] and its areas in ascending section number.
TSceneryDocument ReadDocument(const TProfileFile& file);
