// Missing scenery folders in the main window: rows whose folder the host would not find show their
// name in red, the status bar names the current one's folder, and one command selects them all.
#include "Main.h"

#include "AreaCount.h"
#include "AreaListView.h"
#include "AreaRow.h"
#include "model/library/HostFolders.h"

#include <QDir>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString NotFound = u"Local Path not found: "_s;
const QString Empty = u"Local Path is empty."_s;
} // namespace

// One check for all the rows, so each folder's listing is read once.
void THauptformular::CheckFolders(const QList<TAreaRow*>& rows) {
    if (rows.isEmpty())
        return;
    const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(FPrefs.FSPath);
    for (TAreaRow* row : rows)
        row->SetFolder(check->Resolve(row->Area().Local));
}

void THauptformular::ShowFolderStatus() {
    if (CurrentItem && !CurrentItem->Folder().Exists) {
        const QString path = QString::fromLocal8Bit(CurrentItem->Folder().Path);
        SetStatusText(path.isEmpty() ? Empty : NotFound + QDir::toNativeSeparators(path));
    } else if (FStatusText.startsWith(NotFound) || FStatusText == Empty) {
        SetStatusText(QString());
    }
}

int THauptformular::MissingFolderCount() const {
    const std::vector<char> missing = lvAreas->MissingFolderFlags();
    return static_cast<int>(std::count(missing.begin(), missing.end(), 1));
}

void THauptformular::ShowListSummary() {
    SetStatusText(
        u"%1, %2 with a missing folder."_s.arg(AreaCount(lvAreas->RowCount())).arg(MissingFolderCount()));
}

// The user can then delete them, export them or make them inactive as usual. Rows the filter hides
// stay unselected.
void THauptformular::cmAreaSelectMissingClick() {
    const std::vector<char> missing = TakenRows(lvAreas->MissingFolderFlags(), lvAreas->ShownFlags());
    const auto count = std::count(missing.begin(), missing.end(), 1);
    if (count == 0) {
        SetStatusText(u"No area shown has a missing folder."_s);
        return;
    }
    CurrentItem = nullptr;
    lvAreas->SelectByFlags(missing);
    FollowSelection();
    lvAreas->scrollToItem(CurrentItem);
    SetStatusText(u"%1 with a missing folder selected."_s.arg(AreaCount(count)));
}
