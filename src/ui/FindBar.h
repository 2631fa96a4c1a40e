#pragma once

#include <QObject>
#include <QStringList>

struct TMainParts;
class QPushButton;
class TAreaFilter;

// Find and filter in the main window: the list shows only the areas that match the find field and the
// kind chosen beside it. The filter is a view: the document and its history never see it.
class TFindBar : public QObject {
    Q_OBJECT
public:
    explicit TFindBar(TMainParts& parts);

    // Shows the rows the filter lets through and takes the hidden ones out of the selection; after
    // every change of the document or the filter.
    void Show();
    // Selects the first shown row alone; false when no row shows.
    bool SelectFirstShownRow();
    // Alt+Up and Alt+Down say why they do nothing while rows are hidden.
    void MoveByKey(QPushButton* button);

public slots:
    void cmEditFindClick();

private:
    TAreaFilter TypedFilter() const;
    // The filter changed: the rows kept in sight for the commands go, and the list is filtered anew.
    void FilterChange();
    // Escape in the find field: every row again, the selection kept, the current row in view.
    void ClearFilter();
    // Enter or Down in the find field: into the list, onto the first row shown.
    void EnterList();

    TMainParts& Parts;
    // The hints of Move up and Move down while every row shows.
    QStringList FOrderTips;
};
