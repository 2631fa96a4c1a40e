#include "FolderMarks.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"
#include "MainParts.h"
#include "model/format/CountText.h"
#include "model/library/HostFolders.h"

#include <QDir>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString NotFound = u"Local Path not found: "_s;
const QString Empty = u"Local Path is empty."_s;
} // namespace

void TFolderMarks::Check(const QList<TAreaRow*>& rows) {
    if (rows.isEmpty())
        return;
    const std::unique_ptr<TFolderCheck> check =
        Parts.Services.Folders.StartCheck(Parts.Services.Prefs.FSPath);
    for (TAreaRow* row : rows)
        row->SetFolder(check->Resolve(row->Area().Local));
}

void TFolderMarks::Count() {
    const std::vector<char> missing = Parts.List().MissingFolderFlags();
    FMissing = static_cast<int>(std::count(missing.begin(), missing.end(), 1));
}

void TFolderMarks::ShowCurrent() {
    const QString& said = Parts.Status.Text();
    if (const TAreaRow* current = Parts.CurrentRow(); current && !current->Folder().Exists) {
        const QString path = QString::fromLocal8Bit(current->Folder().Path);
        Parts.Status.Set(path.isEmpty() ? Empty : NotFound + QDir::toNativeSeparators(path));
    } else if (said.startsWith(NotFound) || said == Empty) {
        Parts.Status.Set(QString());
    }
}

void TFolderMarks::ShowSummary() {
    Parts.Status.Set(QString::fromStdString(Counted(Parts.List().RowCount(), "area", "areas")) +
                     u", %1 with a missing folder."_s.arg(FMissing));
}

std::optional<std::string> TFolderMarks::ReachableText(const QString& folder) const {
    std::optional<std::string> text =
        Parts.Services.Folders.FolderText(folder.toLocal8Bit().toStdString(), Parts.Services.Prefs.FSPath);
    if (!text)
        ShowError(u"The simulator cannot reach %1: no drive of its Wine prefix leads there."_s.arg(
            QDir::toNativeSeparators(folder)));
    return text;
}
