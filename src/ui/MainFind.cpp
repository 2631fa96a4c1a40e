// Find and filter in the main window: the list shows only the areas that match the find field and the
// kind chosen beside it. The filter is a view: the document and its history never see it.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "model/format/CountText.h"
#include "ui_Main.h"

#include <QKeyEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString OrderHint = u"Show all areas to change the order here"_s;

// Enter, Return and Down lead from the find field into the list; Escape clears the filter.
class TFindKeys : public QObject {
public:
    TFindKeys(QObject* parent, std::function<void()> enter, std::function<void()> escape)
        : QObject(parent), FEnter(std::move(enter)), FEscape(std::move(escape)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            FEnter();
            return true;
        case Qt::Key_Escape:
            FEscape();
            return true;
        default:
            return false;
        }
    }

private:
    std::function<void()> FEnter;
    std::function<void()> FEscape;
};

} // namespace

void THauptformular::ConnectFind() {
    connect(ui->eFind, &QLineEdit::textChanged, this, &THauptformular::FilterChange);
    connect(ui->cbxShow, &QComboBox::currentIndexChanged, this, &THauptformular::FilterChange);
    connect(ui->cmEditFind, &QAction::triggered, this, &THauptformular::cmEditFindClick);
    FOrderTips = {ui->bbUp->statusTip(), ui->bbDown->statusTip()};
    ui->eFind->installEventFilter(new TFindKeys(
        ui->eFind, [this] { EnterList(); }, [this] { ClearFilter(); }));
}

void THauptformular::cmEditFindClick() {
    ui->eFind->setFocus(Qt::ShortcutFocusReason);
    ui->eFind->selectAll();
}

// A character the code page lacks occurs in no field, so such a text matches nothing; a line break,
// which no field holds either, says so to the filter.
TAreaFilter THauptformular::TypedFilter() const {
    const TCodePageSplit split = SplitByCodePage(ui->eFind->text());
    const std::string text = split.Lacking.isEmpty() ? TextToRecord(split.Kept) : std::string("\n");
    return TAreaFilter(text, static_cast<TAreaKind>(ui->cbxShow->currentIndex()), RecordLetterCase());
}

// The editor follows when its row went out of sight; the status bar keeps what it said.
void THauptformular::FilterChange() {
    Session.SetFilter(TypedFilter());
    ShowFilter();
    FollowCurrent();
}

void THauptformular::ShowFilter() {
    const TFilterView view = Session.ApplyFilter(lvAreas->MissingFolderFlags());
    lvAreas->ShowRows(view.Shown);
    if (view.Selected != lvAreas->SelectionFlags()) {
        // The editor is told once, by the caller, after the current row is settled.
        const QSignalBlocker quiet(lvAreas);
        lvAreas->SelectByFlags(view.Selected);
    }
    const QString total = QString::fromStdString(Counted(Document().Areas.size(), "area", "areas"));
    ui->lFound->setText(Session.Filter().IsOn() ? u"%1 of %2"_s.arg(view.ShownCount).arg(total) : QString());
    ui->lFound->adjustSize();
    const bool hidden = Session.RowsHidden();
    lvAreas->setDragEnabled(!hidden);
    lvAreas->setStatusTip(hidden ? OrderHint : QString());
    ui->bbUp->setStatusTip(hidden ? OrderHint : FOrderTips[0]);
    ui->bbDown->setStatusTip(hidden ? OrderHint : FOrderTips[1]);
}

// Clearing both controls at once filters only once.
void THauptformular::ClearFilter() {
    {
        const QSignalBlocker quietText(ui->eFind);
        const QSignalBlocker quietKind(ui->cbxShow);
        ui->eFind->clear();
        ui->cbxShow->setCurrentIndex(static_cast<int>(TAreaKind::All));
    }
    FilterChange();
    if (TAreaRow* current = CurrentRow())
        lvAreas->scrollToItem(current);
}

void THauptformular::EnterList() {
    if (!SelectFirstShownRow()) {
        SetStatusText(u"No area matches."_s);
        return;
    }
    lvAreas->setFocus(Qt::OtherFocusReason);
    lvAreas->scrollToItem(lvAreas->currentItem());
}

bool THauptformular::SelectFirstShownRow() {
    const int first = lvAreas->FirstShownRow();
    if (first >= 0)
        lvAreas->SelectOnly(first);
    Session.Select(lvAreas->SelectionFlags());
    return first >= 0;
}

// Alt+Up and Alt+Down say why they do nothing while rows are hidden.
void THauptformular::MoveByKey(QPushButton* button) {
    if (Session.RowsHidden())
        ShowHintText(OrderHint);
    else
        button->click();
}
