#include "AreaRow.h"

#include "CodePageText.h"

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int NameColumn = 1;
}

TAreaRow::TAreaRow(TEntryId id) : QTreeWidgetItem(UserType), FId(id) {}

bool TAreaRow::Show(const TAreaRef& area) {
    if (FArea == area)
        return false;
    FArea = area;
    setText(0, QString::number(area->Layer));
    setText(NameColumn, RecordToText(area->Title));
    setText(2, area->Active ? u"A"_s : QString());
    setText(3, area->Required ? u"R"_s : QString());
    return true;
}

void TAreaRow::SetFolder(TFolderFound folder) {
    FFolder = std::move(folder);
    if (FFolder.Exists)
        setData(NameColumn, Qt::ForegroundRole, QVariant());
    else
        setForeground(NameColumn, QBrush(Qt::red));
}
