#include "RestoreDialog.h"

#include "ButtonKinds.h"
#include "CodePageText.h"
#include "ui_RestoreDialog.h"

#include <QHeaderView>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

// Beyond this the list of differences says only how many more there are.
constexpr int ShownDifferences = 200;

QString FieldList(const std::vector<const char*>& fields) {
    QStringList names;
    for (const char* field : fields)
        names.append(QString::fromLatin1(field));
    return names.join(u", "_s);
}

QString AreaLine(const TAreaDifference& area) {
    const QString title = RecordToText(area.Title) + u": "_s;
    if (area.Kind == TAreaDifference::TKind::Added)
        return title + u"added at %1."_s.arg(area.Other);
    if (area.Kind == TAreaDifference::TKind::Removed)
        return title + u"removed from %1."_s.arg(area.Now);
    QStringList parts;
    if (area.Moved)
        parts.append(u"moved from %1 to %2"_s.arg(area.Now).arg(area.Other));
    for (const char* flag : area.Flags)
        parts.append(QString::fromLatin1(flag));
    if (!area.Changed.empty())
        parts.append(u"changed "_s + FieldList(area.Changed));
    return title + parts.join(u"; "_s) + u'.';
}

QStringList DifferenceLines(const TRestorePointReview& review) {
    if (!review.Failure.empty())
        return {u"The restore point could not be read: "_s + QString::fromUtf8(review.Failure) + u'.'};
    const TLibraryDifference& difference = review.Difference;
    if (difference.Same())
        return {u"The restore point holds the list as it is now."_s};
    QStringList lines;
    if (!difference.GeneralChanged.empty())
        lines.append(u"[General]: changed "_s + FieldList(difference.GeneralChanged) + u'.');
    const std::size_t shown = std::min<std::size_t>(difference.Areas.size(), ShownDifferences);
    for (std::size_t i = 0; i < shown; ++i)
        lines.append(AreaLine(difference.Areas[i]));
    if (difference.Areas.size() > shown)
        lines.append(u"... and %1 more"_s.arg(difference.Areas.size() - shown));
    return lines;
}

// The difference in a few words: "+2 −1, 3 moved, 4 changed", counts of none left out; "same as now".
QString DifferenceSummary(const TLibraryDifference& difference) {
    QStringList parts;
    QStringList counts;
    if (difference.Added > 0)
        counts.append(u"+%1"_s.arg(difference.Added));
    if (difference.Removed > 0)
        counts.append(u"\u2212%1"_s.arg(difference.Removed));
    if (!counts.isEmpty())
        parts.append(counts.join(u' '));
    if (difference.Moved > 0)
        parts.append(u"%1 moved"_s.arg(difference.Moved));
    if (difference.Changed > 0)
        parts.append(u"%1 changed"_s.arg(difference.Changed));
    if (!difference.GeneralChanged.empty())
        parts.append(u"[General] changed"_s);
    return parts.isEmpty() ? u"same as now"_s : parts.join(u", "_s);
}

} // namespace

TRestoreDlg::TRestoreDlg(const QString& library, std::vector<TRestorePointReview> reviews, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TRestoreDlg>()), FReviews(std::move(reviews)) {
    ui->setupUi(this);
    PrepareDialogForm(*this, 560, 403);
    // A deep host folder is shortened in the middle: its start and the file's name tell it.
    const int labelWidth = width() - 2 * ui->lLibrary->x();
    ui->lLibrary->setText(ui->lLibrary->fontMetrics().elidedText(u"Restore points of "_s + library + u':',
                                                                 Qt::ElideMiddle, labelWidth));
    ui->lLibrary->adjustSize();
    ui->bbRestore->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->bbRestore->setDefault(true);
    connect(ui->bbRestore, &QPushButton::clicked, this, &QDialog::accept);
    MakeCancelButton(ui->bbCancel, this);
    ui->lvPoints->setHeaderLabels({u"Kept"_s, u"Areas"_s, u"Difference to the list now"_s});
    ui->lvPoints->header()->setSectionsClickable(false);
    ui->lvPoints->setColumnWidth(0, 190);
    ui->lvPoints->setColumnWidth(1, 60);
    ShowPoints();
    ui->lNoPoints->setVisible(FReviews.empty());
    ui->lDifferences->setVisible(!FReviews.empty());
    connect(ui->lvPoints, &QTreeWidget::itemSelectionChanged, this, &TRestoreDlg::lvPointsChange);
    lvPointsChange();
}

TRestoreDlg::~TRestoreDlg() = default;

void TRestoreDlg::ShowPoints() {
    for (const TRestorePointReview& review : FReviews) {
        const QString saved =
            QString::fromStdString(review.Point.Saved) + (review.Point.Pending ? u" pending"_s : QString());
        const bool read = review.Failure.empty();
        new QTreeWidgetItem(ui->lvPoints,
                            {saved, read ? QString::number(review.Areas) : QString(),
                             read ? DifferenceSummary(review.Difference) : u"could not be read"_s});
    }
}

// Up, Down, Home and End choose a point at once, and Enter restores it.
void TRestoreDlg::FormShow() {
    ui->lvPoints->setFocus();
    if (!FReviews.empty())
        ui->lvPoints->setCurrentItem(ui->lvPoints->topLevelItem(0));
}

void TRestoreDlg::lvPointsChange() {
    const int row = SelectedRow();
    ui->lbxDifferences->clear();
    if (row >= 0)
        ui->lbxDifferences->addItems(DifferenceLines(FReviews[static_cast<std::size_t>(row)]));
    ui->bbRestore->setEnabled(row >= 0 && FReviews[static_cast<std::size_t>(row)].Failure.empty());
}

int TRestoreDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = ui->lvPoints->selectedItems();
    return selected.isEmpty() ? -1 : ui->lvPoints->indexOfTopLevelItem(selected.front());
}

const TRestorePoint& TRestoreDlg::Chosen() const {
    return FReviews[static_cast<std::size_t>(SelectedRow())].Point;
}
