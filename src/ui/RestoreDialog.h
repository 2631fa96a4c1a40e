#pragma once

#include "DialogForm.h"
#include "model/library/RestorePoints.h"

#include <memory>
#include <vector>

namespace Ui {
class TRestoreDlg;
}

// Lists the restore points of the library, newest first, each with what bringing it back would do to
// the list now, and the selected one's differences area by area; "Restore" ends it with that point.
class TRestoreDlg : public TFormDialog {
    Q_OBJECT
public:
    // The library file as the user knows it, and its points' reviews, newest first.
    TRestoreDlg(const QString& library, std::vector<TRestorePointReview> reviews, QWidget* parent = nullptr);
    ~TRestoreDlg() override;

    // The point selected when "Restore" was pressed.
    const TRestorePoint& Chosen() const;

public slots:
    void FormShow() override;
    void lvPointsChange();

private:
    // One row per point: when it was saved, its number of areas, and its difference in a few words.
    void ShowPoints();
    int SelectedRow() const;
    std::unique_ptr<Ui::TRestoreDlg> ui;
    std::vector<TRestorePointReview> FReviews;
};
