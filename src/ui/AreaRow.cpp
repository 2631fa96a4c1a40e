#include "AreaRow.h"

TAreaRow::TAreaRow(std::unique_ptr<TArea> area) : QTreeWidgetItem(UserType), FArea(std::move(area)) {}

namespace {
constexpr int NameColumn = 1;
}

void TAreaRow::SetFolder(TAreaFolder folder) {
    FFolder = std::move(folder);
    if (FFolder.Exists)
        setData(NameColumn, Qt::ForegroundRole, QVariant());
    else
        setForeground(NameColumn, QBrush(Qt::red));
}
