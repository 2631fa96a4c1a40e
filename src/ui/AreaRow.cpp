#include "AreaRow.h"

TAreaRow::TAreaRow(std::unique_ptr<TArea> area) : QTreeWidgetItem(UserType), FArea(std::move(area)) {}
