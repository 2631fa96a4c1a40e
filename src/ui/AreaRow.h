#pragma once

#include "model/QuarrowTypes.h"

#include <QTreeWidgetItem>
#include <memory>

// One row of the area list. It owns exactly one area for as long as it exists: deleting the row frees
// the area, and exchanging two rows' contents moves only the pointers.
class TAreaRow : public QTreeWidgetItem {
public:
    explicit TAreaRow(std::unique_ptr<TArea> area);

    TArea& Area() { return *FArea; }
    const TArea& Area() const { return *FArea; }
    void SwapAreas(TAreaRow& other) noexcept { FArea.swap(other.FArea); }

private:
    std::unique_ptr<TArea> FArea;
};
