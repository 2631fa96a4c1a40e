#pragma once

#include "model/document/SceneryDocument.h"

#include <QSignalBlocker>
#include <QTreeWidget>
#include <functional>
#include <vector>

class TAreaRow;

// The main window's area list: four report columns, whole-row multiple selection and internal drags
// whose verdict and effect the window decides through the three drag hooks. Row positions count from 0;
// a target of -1 means no row under the pointer. Bulk helpers work on positions, never per-item
// lookups, so commands on thousands of rows stay linear.
class TAreaListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TAreaListView(QWidget* parent = nullptr);

    std::function<bool(int target)> DragOverHook;
    std::function<void(int target)> DragDropHook;
    std::function<void()> EndDragHook;

    // Sizes the columns for the list's width and font; called once both are final.
    void FitColumns();
    int RowCount() const { return topLevelItemCount(); }
    TAreaRow* Row(int position) const;
    // One flag per row, set for the selected ones.
    std::vector<char> SelectionFlags() const;
    int FirstSelectedRow() const;
    bool IsRowSelected(int position) const;
    // One flag per row, set where the area's folder was not found.
    std::vector<char> MissingFolderFlags() const;
    // One flag per row, set for the ones not hidden.
    std::vector<char> ShownFlags() const;
    // Hides the rows whose flag is clear and shows the rest, touching only the rows that change.
    void ShowRows(const std::vector<char>& shown);
    int FirstShownRow() const;
    // Replaces the whole selection in one step (one selection-change notice).
    void SelectByFlags(const std::vector<char>& flags);
    // Selects only this row and makes it the focused one.
    void SelectOnly(int position);
    // One row per entry, in the entries' order: a row that stood for an entry keeps standing for it
    // wherever it goes, new entries get new rows, and the rows of entries gone are deleted. Gives the
    // rows that are new or whose Local Path changed.
    QList<TAreaRow*> ShowEntries(const std::vector<TDocumentArea>& entries);

    // While alive, cell texts change without a notice per cell; the rows are repainted once at the end.
    class TQuietCells {
    public:
        explicit TQuietCells(TAreaListView& view);
        ~TQuietCells();
        TQuietCells(const TQuietCells&) = delete;
        TQuietCells& operator=(const TQuietCells&) = delete;

    private:
        TAreaListView& FView;
        QSignalBlocker FBlocker;
    };

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int RowAt(const QPoint& position) const;
    void ShowDropLine(int target);
    // Where the dragged rows would land, in viewport coordinates; -1 while no drop would be taken.
    int FDropLineY = -1;
};
