// Missing scenery folders in the main window: rows whose folder the host would not find show their
// name in red, the status bar names the current one's folder, and one command selects them all.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "model/document/AreaFilter.h"
#include "model/format/CountText.h"
#include "model/library/HostFolders.h"

#include <QDir>
#include <QSignalBlocker>
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
    if (const TAreaRow* current = CurrentRow(); current && !current->Folder().Exists) {
        const QString path = QString::fromLocal8Bit(current->Folder().Path);
        SetStatusText(path.isEmpty() ? Empty : NotFound + QDir::toNativeSeparators(path));
    } else if (FStatusText.startsWith(NotFound) || FStatusText == Empty) {
        SetStatusText(QString());
    }
}

void THauptformular::CountMissingFolders() {
    const std::vector<char> missing = lvAreas->MissingFolderFlags();
    MissingCount = static_cast<int>(std::count(missing.begin(), missing.end(), 1));
}

void THauptformular::ShowListSummary() {
    SetStatusText(QString::fromStdString(Counted(lvAreas->RowCount(), "area", "areas")) +
                  u", %1 with a missing folder."_s.arg(MissingCount));
}

// The user can then delete them, export them or make them inactive as usual. Rows the filter hides
// stay unselected.
void THauptformular::cmAreaSelectMissingClick() {
    const std::vector<char> missing = TakenRows(lvAreas->MissingFolderFlags(), lvAreas->ShownFlags());
    const auto count = static_cast<std::size_t>(std::count(missing.begin(), missing.end(), 1));
    if (count == 0) {
        SetStatusText(Session.RowsHidden() ? u"No area shown has a missing folder."_s
                                           : u"No area has a missing folder."_s);
        return;
    }
    SelectFlagged(missing);
    SetStatusText(QString::fromStdString(Counted(count, "area", "areas")) +
                  u" with a missing folder selected."_s);
}

void THauptformular::SelectFlagged(const std::vector<char>& flags) {
    Session.SetCurrent(0);
    {
        const QSignalBlocker quiet(lvAreas);
        lvAreas->SelectByFlags(flags);
    }
    Session.Select(lvAreas->SelectionFlags());
    FollowSelection();
    lvAreas->scrollToItem(CurrentRow());
}
