// Find and filter in the main window: the list shows only the areas that match the find field and the
// kind chosen beside it. The filter is a view: the document and its history never see it.
#include "FindBar.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "MainParts.h"
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

TFindBar::TFindBar(TMainParts& parts) : Parts(parts) {
    connect(Parts.Ui.eFind, &QLineEdit::textChanged, this, &TFindBar::FilterChange);
    connect(Parts.Ui.cbxShow, &QComboBox::currentIndexChanged, this, &TFindBar::FilterChange);
    connect(Parts.Ui.cmEditFind, &QAction::triggered, this, &TFindBar::cmEditFindClick);
    FOrderTips = {Parts.Ui.bbUp->statusTip(), Parts.Ui.bbDown->statusTip()};
    Parts.Ui.eFind->installEventFilter(new TFindKeys(
        Parts.Ui.eFind, [this] { EnterList(); }, [this] { ClearFilter(); }));
}

void TFindBar::cmEditFindClick() {
    Parts.Ui.eFind->setFocus(Qt::ShortcutFocusReason);
    Parts.Ui.eFind->selectAll();
}

// A character the code page lacks occurs in no field, so such a text matches nothing; a line break,
// which no field holds either, says so to the filter.
TAreaFilter TFindBar::TypedFilter() const {
    const TCodePageSplit split = SplitByCodePage(Parts.Ui.eFind->text());
    const std::string text = split.Lacking.isEmpty() ? TextToRecord(split.Kept) : std::string("\n");
    return TAreaFilter(text, static_cast<TAreaKind>(Parts.Ui.cbxShow->currentIndex()), RecordLetterCase());
}

// The editor follows when its row went out of sight; the status bar keeps what it said.
void TFindBar::FilterChange() {
    Parts.Session.SetFilter(TypedFilter());
    Show();
    Parts.Core.FollowCurrent();
}

void TFindBar::Show() {
    const TFilterView view = Parts.Session.ApplyFilter(Parts.List().MissingFolderFlags());
    Parts.List().ShowRows(view.Shown);
    if (view.Selected != Parts.List().SelectionFlags()) {
        // The editor is told once, by the caller, after the current row is settled.
        const QSignalBlocker quiet(Parts.List());
        Parts.List().SelectByFlags(view.Selected);
    }
    const QString total = QString::fromStdString(Counted(Parts.Document().Areas.size(), "area", "areas"));
    Parts.Ui.lFound->setText(Parts.Session.Filter().IsOn() ? u"%1 of %2"_s.arg(view.ShownCount).arg(total)
                                                           : QString());
    Parts.Ui.lFound->adjustSize();
    const bool hidden = Parts.Session.RowsHidden();
    Parts.List().setDragEnabled(!hidden);
    Parts.List().setStatusTip(hidden ? OrderHint : QString());
    Parts.Ui.bbUp->setStatusTip(hidden ? OrderHint : FOrderTips[0]);
    Parts.Ui.bbDown->setStatusTip(hidden ? OrderHint : FOrderTips[1]);
}

// Clearing both controls at once filters only once.
void TFindBar::ClearFilter() {
    {
        const QSignalBlocker quietText(Parts.Ui.eFind);
        const QSignalBlocker quietKind(Parts.Ui.cbxShow);
        Parts.Ui.eFind->clear();
        Parts.Ui.cbxShow->setCurrentIndex(static_cast<int>(TAreaKind::All));
    }
    FilterChange();
    if (TAreaRow* current = Parts.CurrentRow())
        Parts.List().scrollToItem(current);
}

void TFindBar::EnterList() {
    if (!SelectFirstShownRow()) {
        Parts.Status.Set(u"No area matches."_s);
        return;
    }
    Parts.List().setFocus(Qt::OtherFocusReason);
    Parts.List().scrollToItem(Parts.List().currentItem());
}

bool TFindBar::SelectFirstShownRow() {
    const int first = Parts.List().FirstShownRow();
    if (first >= 0)
        Parts.List().SelectOnly(first);
    Parts.Session.Select(Parts.List().SelectionFlags());
    return first >= 0;
}

void TFindBar::MoveByKey(QPushButton* button) {
    if (Parts.Session.RowsHidden())
        Parts.Status.ShowHint(OrderHint);
    else
        button->click();
}
