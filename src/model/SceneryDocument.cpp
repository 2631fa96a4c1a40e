#include "model/SceneryDocument.h"

#include <atomic>

TDocumentArea NewEntry(TArea area) {
    static std::atomic<TEntryId> lastId{0};
    return {++lastId, std::make_shared<const TArea>(std::move(area))};
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
