#pragma once

#include "model/QuarrowTypes.h"
#include "platform/AreaFolders.h"

#include <QTreeWidgetItem>
#include <memory>

// One row of the area list. It owns exactly one area for as long as it exists: deleting the row frees
// the area; a row that is cut hands its area over first.
class TAreaRow : public QTreeWidgetItem {
public:
    explicit TAreaRow(std::unique_ptr<TArea> area);

    TArea& Area() { return *FArea; }
    const TArea& Area() const { return *FArea; }
    std::unique_ptr<TArea> TakeArea() noexcept { return std::move(FArea); }

    // Where the host finds the area's folder, as last checked; a missing one shows the name in red.
    const TAreaFolder& Folder() const { return FFolder; }
    void SetFolder(TAreaFolder folder);

private:
    std::unique_ptr<TArea> FArea;
    TAreaFolder FFolder{{}, true};
};
