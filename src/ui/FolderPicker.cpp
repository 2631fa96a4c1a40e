#include "FolderPicker.h"

#include "DialogRecorder.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
bool IsTrailingSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == u'\\';
#else
    return c == u'\\' || c == u'/';
#endif
}

QString NormaliseFolder(QString folder) {
    if (!folder.isEmpty() && IsTrailingSeparator(folder.back()) && folder != u"/")
        folder.chop(1);
    if (folder.size() == 2 && folder[0].isLetter() && folder[1] == u':')
        folder += u'\\';
    return folder;
}

// Opens the dialog in the folder's parent with the folder itself highlighted; a root, or the nearest
// existing folder above a missing one, is simply shown.
void Highlight(QFileDialog& dialog, const QString& folder) {
    if (folder.isEmpty())
        return;
    const QFileInfo info(folder);
    if (info.isDir() && !info.isRoot()) {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.absoluteFilePath());
    } else {
        dialog.setDirectory(NearestExistingFolder(folder));
    }
}
} // namespace

void TFolderPicker::SetSelectedFolder(const QString& folder) {
    FSelectedFolder = NormaliseFolder(folder);
}

bool TFolderPicker::Execute(QWidget* parent) {
    if (TDialogRecorder* seam = TDialogRecorder::Active()) {
        const std::optional<QString> answer =
            seam->Respond({TDialogKind::Folder, Caption, {}, FSelectedFolder});
        if (answer)
            Take(answer->split(u'\n'));
        return answer.has_value();
    }
    QFileDialog dialog(parent, Caption);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (Multiple) {
        dialog.setDirectory(NearestExistingFolder(FSelectedFolder));
        // Qt's own dialog picks one folder; its views pick several once they allow it.
        for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else {
        Highlight(dialog, FSelectedFolder);
    }
    const auto follow = [this](const QString& path) {
        if (!path.isEmpty())
            SetSelectedFolder(QDir::toNativeSeparators(path));
    };
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog, follow);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QStringList chosen;
    for (const QString& path : dialog.selectedFiles())
        chosen.append(QDir::toNativeSeparators(path));
    Take(chosen);
    return true;
}

void TFolderPicker::Take(const QStringList& folders) {
    FSelectedFolders.clear();
    for (const QString& folder : folders)
        FSelectedFolders.append(NormaliseFolder(folder));
    if (!FSelectedFolders.isEmpty())
        FSelectedFolder = FSelectedFolders.first();
}

QString NearestExistingFolder(const QString& folder) {
    QFileInfo info(folder);
    while (!info.isDir() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    return info.absoluteFilePath();
}
