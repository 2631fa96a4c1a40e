#include "model/document/SceneryDocument.h"

#include <algorithm>
#include <atomic>
#include <limits>

TDocumentArea NewEntry(TArea area) {
    static std::atomic<TEntryId> lastId{0};
    return {++lastId, std::make_shared<const TArea>(std::move(area))};
}

std::int32_t TSceneryDocument::Largest(std::int32_t TArea::*field) const {
    std::int32_t largest = -1;
    for (const TDocumentArea& entry : Areas)
        largest = std::max(largest, (*entry.Area).*field);
    return largest;
}

std::int32_t NumberAfter(std::int32_t largest) {
    return largest == std::numeric_limits<std::int32_t>::max() ? largest : largest + 1;
}

std::vector<const TArea*> TSceneryDocument::AreaPointers() const {
    std::vector<const TArea*> areas;
    areas.reserve(Areas.size());
    for (const TDocumentArea& entry : Areas)
        areas.push_back(entry.Area.get());
    return areas;
}

std::vector<const TArea*> TSceneryDocument::AreaPointers(const std::vector<int>& positions) const {
    std::vector<const TArea*> areas;
    areas.reserve(positions.size());
    for (int position : positions)
        areas.push_back(&Area(position));
    return areas;
}

TSceneryDocument ReadDocument(const TProfileFile& file) {
    TSceneryDocument document;
    document.General.LoadFrom(file);
    SweepAreas(file, [&document](std::unique_ptr<TArea> area) {
        document.Areas.push_back(NewEntry(std::move(*area)));
    });
    return document;
}
