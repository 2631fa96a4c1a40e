#include "AreaListView.h"

#include "AreaRow.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelection>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ColumnCount = 4;
}

TAreaListView::TAreaListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(ColumnCount);
    setHeaderLabels({u"No."_s, u"Name"_s, u"A"_s, u"R"_s});
    const int widths[ColumnCount] = {30, 230, 22, 22};
    for (int column = 0; column < ColumnCount; ++column)
        header()->resizeSection(column, widths[column]);
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
    setDropIndicatorShown(false);
    // The selection stays as visible when the list has no focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
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
    // selections linear; the clearing step alone is no change worth a notice.
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

// Takes every row out and puts them back at once: one removal and one insertion however many rows move.
void TAreaListView::Reorder(const std::vector<TAreaRow*>& order) {
    QList<QTreeWidgetItem*> rows(order.begin(), order.end());
    invisibleRootItem()->takeChildren();
    addTopLevelItems(rows);
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
    } else {
        event->ignore();
    }
}

void TAreaListView::dropEvent(QDropEvent* event) {
    if (event->source() == this && DragDropHook)
        DragDropHook(RowAt(event->position().toPoint()));
    event->setDropAction(Qt::MoveAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
}

int TAreaListView::RowAt(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : -1;
}
