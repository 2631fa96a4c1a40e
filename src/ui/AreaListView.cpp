#include "AreaListView.h"

#include "AreaRow.h"
#include "model/format/QuarrowTypes.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <unordered_map>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ColumnCount = 4;
constexpr int NoDropLine = -2;
} // namespace

TAreaListView::TAreaListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(ColumnCount);
    setHeaderLabels({u"No."_s, u"Name"_s, u"A"_s, u"R"_s});
    header()->setMinimumSectionSize(1);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setDragDropMode(InternalMove);
    // Qt's own indicator offers drops onto and below rows; the list draws its own line above the target.
    setDropIndicatorShown(false);
    // The selection stays as visible when the list has no focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

// "No." holds the largest number a library can have, and the columns together fill the list beside its
// vertical scroll bar, so no horizontal scroll bar appears however many rows there are.
void TAreaListView::FitColumns() {
    const QStyle* style = this->style();
    QStyleOptionViewItem cell;
    cell.initFrom(this);
    cell.features = QStyleOptionViewItem::HasDisplay;
    cell.text = QString::number(LastAreaNumber);
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int numberWidth =
        std::max(style->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), this).width(),
                 fontMetrics().horizontalAdvance(u"No."_s) + headerMargin);
    const int available =
        width() - 2 * frameWidth() - style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    constexpr int FlagWidth = 22;
    const int widths[ColumnCount] = {numberWidth, available - numberWidth - 2 * FlagWidth, FlagWidth,
                                     FlagWidth};
    for (int column = 0; column < ColumnCount; ++column)
        header()->resizeSection(column, widths[column]);
}

TAreaRow* TAreaListView::Row(int position) const {
    return static_cast<TAreaRow*>(topLevelItem(position));
}

std::vector<char> TAreaListView::SelectionFlags() const {
    std::vector<char> flags(static_cast<std::size_t>(RowCount()), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            flags[static_cast<std::size_t>(row)] = 1;
    return flags;
}

int TAreaListView::FirstSelectedRow() const {
    int first = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (first < 0 || range.top() < first)
            first = range.top();
    return first;
}

bool TAreaListView::IsRowSelected(int position) const {
    return selectionModel()->isSelected(model()->index(position, 0));
}

std::vector<char> TAreaListView::MissingFolderFlags() const {
    std::vector<char> flags(static_cast<std::size_t>(RowCount()));
    for (int row = 0; row < RowCount(); ++row)
        flags[static_cast<std::size_t>(row)] = !Row(row)->Folder().Exists;
    return flags;
}

std::vector<char> TAreaListView::ShownFlags() const {
    std::vector<char> flags(static_cast<std::size_t>(RowCount()));
    for (int row = 0; row < RowCount(); ++row)
        flags[static_cast<std::size_t>(row)] = !isRowHidden(row, QModelIndex());
    return flags;
}

void TAreaListView::ShowRows(const std::vector<char>& shown) {
    for (int row = 0; row < RowCount(); ++row)
        if (isRowHidden(row, QModelIndex()) == static_cast<bool>(shown[static_cast<std::size_t>(row)]))
            setRowHidden(row, QModelIndex(), !shown[static_cast<std::size_t>(row)]);
}

int TAreaListView::FirstShownRow() const {
    for (int row = 0; row < RowCount(); ++row)
        if (!isRowHidden(row, QModelIndex()))
            return row;
    return -1;
}

void TAreaListView::SelectByFlags(const std::vector<char>& flags) {
    QItemSelection selection;
    const int count = static_cast<int>(flags.size());
    for (int top = 0; top < count; ++top) {
        if (!flags[static_cast<std::size_t>(top)])
            continue;
        int bottom = top;
        while (bottom + 1 < count && flags[static_cast<std::size_t>(bottom + 1)])
            ++bottom;
        selection.append(
            QItemSelectionRange(model()->index(top, 0), model()->index(bottom, ColumnCount - 1)));
        top = bottom;
    }
    // Clearing first and selecting into the empty selection keeps Qt's comparison of old and new
    // selections linear; the clearing step alone is no change worth a notice, unless it is all of it.
    if (selection.isEmpty()) {
        selectionModel()->clearSelection();
        return;
    }
    {
        const QSignalBlocker quiet(this);
        selectionModel()->clearSelection();
    }
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

void TAreaListView::SelectOnly(int position) {
    selectionModel()->setCurrentIndex(model()->index(position, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

namespace {
// The row shows the area; true when its folder must be checked again.
bool ShowsNewFolder(TAreaRow& row, const TAreaRef& area) {
    const bool newFolder = !row.Shown() || row.Area().Local != area->Local;
    return row.Show(area) && newFolder;
}

bool SameEntries(const TAreaListView& view, const std::vector<TDocumentArea>& entries) {
    if (view.RowCount() != static_cast<int>(entries.size()))
        return false;
    for (int position = 0; position < view.RowCount(); ++position)
        if (view.Row(position)->Id() != entries[static_cast<std::size_t>(position)].Id)
            return false;
    return true;
}
} // namespace

// An edit or a renumbering changes cells only; any other change takes every row out and puts them back
// at once: one removal and one insertion however many rows move.
QList<TAreaRow*> TAreaListView::ShowEntries(const std::vector<TDocumentArea>& entries) {
    const QSignalBlocker quiet(this);
    QList<TAreaRow*> checked;
    if (SameEntries(*this, entries)) {
        const TQuietCells quietCells(*this);
        for (int position = 0; position < RowCount(); ++position)
            if (ShowsNewFolder(*Row(position), entries[static_cast<std::size_t>(position)].Area))
                checked.append(Row(position));
        return checked;
    }
    std::unordered_map<TEntryId, TAreaRow*> byId;
    for (QTreeWidgetItem* item : invisibleRootItem()->takeChildren()) {
        auto* row = static_cast<TAreaRow*>(item);
        byId.emplace(row->Id(), row);
    }
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(entries.size()));
    for (const TDocumentArea& entry : entries) {
        const auto found = byId.find(entry.Id);
        TAreaRow* row = found != byId.end() ? found->second : new TAreaRow(entry.Id);
        if (found != byId.end())
            byId.erase(found);
        if (ShowsNewFolder(*row, entry.Area))
            checked.append(row);
        rows.append(row);
    }
    for (const auto& entry : byId)
        delete entry.second;
    addTopLevelItems(rows);
    return checked;
}

TAreaListView::TQuietCells::TQuietCells(TAreaListView& view) : FView(view), FBlocker(view.model()) {}

TAreaListView::TQuietCells::~TQuietCells() {
    FView.viewport()->update();
}

// The drag carries the selected rows; what the drop does is the window's business, so nothing is
// removed here whatever action the drop reports.
void TAreaListView::startDrag(Qt::DropActions) {
    const QModelIndexList rows = selectedIndexes();
    if (rows.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    drag->exec(Qt::MoveAction);
    if (EndDragHook)
        EndDragHook();
}

void TAreaListView::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);
    if (event->source() == this && DragOverHook && DragOverHook(RowAt(event->position().toPoint()))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
        ShowDropLine(RowAt(event->position().toPoint()));
    } else {
        event->ignore();
        ShowDropLine(NoDropLine);
    }
}

void TAreaListView::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    ShowDropLine(NoDropLine);
}

// A line above the target row, or below the last row for a drop past the end (-1); NoDropLine hides it.
void TAreaListView::ShowDropLine(int target) {
    int y = -1;
    if (target >= 0)
        y = visualItemRect(topLevelItem(target)).top();
    else if (target == -1)
        y = RowCount() > 0 ? visualItemRect(topLevelItem(RowCount() - 1)).bottom() + 1 : 0;
    if (y != FDropLineY) {
        FDropLineY = y;
        viewport()->update();
    }
}

void TAreaListView::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    if (FDropLineY < 0)
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.drawLine(0, FDropLineY, viewport()->width(), FDropLineY);
}

void TAreaListView::dropEvent(QDropEvent* event) {
    if (event->source() == this && DragDropHook)
        DragDropHook(RowAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
    ShowDropLine(NoDropLine);
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

int TAreaListView::RowAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : -1;
}
