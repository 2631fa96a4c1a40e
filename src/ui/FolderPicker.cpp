#include "FolderPicker.h"

#include "DialogRecorder.h"

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

// Opens the dialog in the folder's parent with the folder itself highlighted; a root is simply shown.
void Highlight(QFileDialog& dialog, const QString& folder) {
    if (folder.isEmpty())
        return;
    const QFileInfo info(folder);
    if (info.isDir() && !info.isRoot()) {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.absoluteFilePath());
    } else {
        dialog.setDirectory(folder);
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
            SetSelectedFolder(*answer);
        return answer.has_value();
    }
    QFileDialog dialog(parent, Caption);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    Highlight(dialog, FSelectedFolder);
    const auto follow = [this](const QString& path) {
        if (!path.isEmpty())
            SetSelectedFolder(QDir::toNativeSeparators(path));
    };
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog, follow);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    follow(dialog.selectedFiles().value(0));
    return true;
}
