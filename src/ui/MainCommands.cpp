// The commands of the main window's list, clipboard, area sets and folders, each one row of the
// command table: wired once to its button and its menu item, enabled by its row's rule, and, where the
// row gives the step, run the one way every such command runs.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "AreaSetCommands.h"
#include "FolderCommands.h"
#include "InfoDialogs.h"
#include "LibraryDialogs.h"
#include "ui_Main.h"

#include <QMetaMethod>

using namespace Qt::Literals::StringLiterals;

namespace {
// The window or the part whose slot the handler is, and the slot's index; none when no slot has the
// handler's name.
std::pair<QObject*, int> HandlerSlot(const char* handler, std::initializer_list<QObject*> owners) {
    const QByteArray signature = handler + "()"_ba;
    for (QObject* owner : owners)
        if (const int slot = owner->metaObject()->indexOfSlot(signature.constData()); slot >= 0)
            return {owner, slot};
    return {nullptr, -1};
}
} // namespace

// A row whose handler is no slot of the window or of a part (a command that needs nothing but its step)
// runs through Run itself.
void THauptformular::ConnectCommands() {
    for (const TCommandRow& row : CommandTable()) {
        auto* button = *row.Button ? findChild<QPushButton*>(QLatin1StringView(row.Button)) : nullptr;
        auto* item = *row.MenuItem ? findChild<QAction*>(QLatin1StringView(row.MenuItem)) : nullptr;
        FCommandControls.push_back({button, item});
        const auto [owner, slot] =
            HandlerSlot(row.Handler, {this, FAreaSets.get(), FFolderCommands.get(), FDialogs.get()});
        const auto run = [this, &row, owner, slot] {
            if (owner)
                owner->metaObject()->method(slot).invoke(owner, Qt::DirectConnection);
            else
                Run(row);
        };
        const Qt::ConnectionType type = row.Queued ? Qt::QueuedConnection : Qt::AutoConnection;
        if (button)
            connect(button, &QPushButton::clicked, this, run, type);
        if (item)
            connect(item, &QAction::triggered, this, run, type);
    }
}

void THauptformular::UpdateListCommands() {
    const TCommandContext context(Session, Parts.Marks.Missing());
    const std::span<const TCommandRow> rows = CommandTable();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool enabled = rows[r].Enabled(context);
        if (QPushButton* button = FCommandControls[r].first)
            button->setEnabled(enabled);
        if (QAction* item = FCommandControls[r].second)
            item->setEnabled(enabled);
    }
}

bool THauptformular::SelectionServes(const TCommandRow& row) {
    if (!row.Acts || row.Acts(Session.Selected()))
        return true;
    ShowError(QString::fromUtf8(row.NoneSelected));
    return false;
}

bool THauptformular::Run(const TCommandRow& row) {
    if (!SelectionServes(row))
        return false;
    std::optional<TDocumentStep> step = row.Step(Session);
    if (!step) {
        Parts.Status.Set(QString::fromUtf8(row.Unchanged));
        return false;
    }
    Perform(std::move(*step));
    return true;
}

void THauptformular::bbAddClick() {
    Run(CommandOf("bbAddClick"));
    lvAreas->SelectOnly(lvAreas->RowCount() - 1);
    lvAreas->scrollToItem(lvAreas->Row(lvAreas->RowCount() - 1));
}

void THauptformular::bbDuplClick() {
    if (Run(CommandOf("bbDuplClick")))
        lvAreas->scrollToItem(lvAreas->Row(lvAreas->RowCount() - 1));
}

void THauptformular::bbRenumberClick() {
    Run(CommandOf("bbRenumberClick"));
}

// A block of selected rows moves up one place per click, keeping its order and its selection.
void THauptformular::bbUpClick() {
    Run(CommandOf("bbUpClick"));
}

void THauptformular::bbDownClick() {
    Run(CommandOf("bbDownClick"));
}

// To the top goes just below the protected rows; to the bottom is where the simulator draws over all
// others. The first moved row is scrolled into view.
void THauptformular::cmAreaMoveTopClick() {
    if (Run(CommandOf("cmAreaMoveTopClick")))
        ShowFirstMovedRow();
}

void THauptformular::cmAreaMoveBottomClick() {
    if (Run(CommandOf("cmAreaMoveBottomClick")))
        ShowFirstMovedRow();
}

void THauptformular::ShowFirstMovedRow() {
    for (int row = ProtectedRows; row < lvAreas->RowCount(); ++row) {
        if (lvAreas->IsRowSelected(row)) {
            lvAreas->scrollToItem(lvAreas->Row(row));
            return;
        }
    }
}
