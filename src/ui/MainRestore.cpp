// Restore points: the libraries earlier saves replaced, compared with the list and brought back as
// one step of the history, written only by the next save.
#include "Main.h"

#include "InfoDialogs.h"
#include "RestoreDialog.h"
#include "model/format/CountText.h"
#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/library/HostFolders.h"
#include "model/library/RestorePoints.h"

using namespace Qt::Literals::StringLiterals;

void THauptformular::cmFileRestorePointsClick() {
    const std::string& library = Library.Choice().File;
    const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(Library.HostFolder());
    TRestoreDlg dialog(QString::fromLocal8Bit(library),
                       ReviewRestorePoints(RestorePoints.List(library), Files, Document(), *check), this);
    if (dialog.exec() == QDialog::Accepted)
        RestorePoint(dialog.Chosen());
}

// The point is read again: the dialog keeps only what it shows of each.
void THauptformular::RestorePoint(const TRestorePoint& point) {
    const TProfileRead read = Files.ReadProfile(point.File);
    if (!read.Failure.empty() || read.Stamp.State == TFileStamp::TState::Missing) {
        ShowError(u"The restore point could not be read: "_s + QString::fromLocal8Bit(point.File) + u": "_s +
                  (read.Failure.empty() ? u"it no longer exists"_s : QString::fromUtf8(read.Failure)) + u'.');
        return;
    }
    Perform(ReplaceDocument(Document(), ReadDocument(*read.Profile), "Restore " + point.Saved));
    SetStatusText(u"Restored the library kept at %1: %2. Save Changes writes it."_s
                      .arg(QString::fromStdString(point.Saved))
                      .arg(QString::fromStdString(Counted(Document().Areas.size(), "area", "areas"))));
}
