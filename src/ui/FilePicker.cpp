#include "FilePicker.h"

#include "DialogRecorder.h"
#include "FolderPicker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace {
// The widget file dialog lets a save name point into a folder that does not exist; this one refuses
// it with the dialog's own message and stays open.
class TPathCheckingDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override {
        const QString file = selectedFiles().value(0);
        const QFileInfo info(file);
        if (!file.isEmpty() && !info.isDir() && !info.absoluteDir().exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1\nDirectory not found.\nPlease verify the "
                                    "correct directory name was given.")
                                     .arg(QDir::toNativeSeparators(info.absolutePath())));
            return;
        }
        QFileDialog::accept();
    }
};

// Where a run starts: the file chosen last (or the caller's starting name) inside the initial folder
// unless it carries its own.
QString StartPath(const TFilePicker& picker) {
    if (picker.FileName.isEmpty())
        return picker.InitialDir;
    if (picker.InitialDir.isEmpty() || QDir::isAbsolutePath(picker.FileName))
        return picker.FileName;
    return QDir::toNativeSeparators(QDir(picker.InitialDir).filePath(picker.FileName));
}

void Configure(QFileDialog& dialog, const TFilePicker& picker) {
    const bool save = picker.Kind == TFilePickerKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOptions(save ? QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite
                           : QFileDialog::DontUseNativeDialog);
    if (!picker.Filter.isEmpty())
        dialog.setNameFilter(ToDialogFilter(picker.Filter));
    dialog.setDefaultSuffix(picker.DefaultExt);
    if (picker.FileName.isEmpty()) {
        if (!picker.InitialDir.isEmpty())
            dialog.setDirectory(NearestExistingFolder(picker.InitialDir));
    } else {
        // A starting name inside a folder that has gone is offered in the nearest folder that exists.
        const QString start = StartPath(picker);
        const QFileInfo info(start);
        const QString nearest = NearestExistingFolder(info.absolutePath());
        if (nearest == info.absolutePath()) {
            dialog.selectFile(start);
        } else {
            dialog.setDirectory(nearest);
            dialog.selectFile(info.fileName());
        }
    }
}

TDialogKind SeamKind(TFilePickerKind kind) {
    return kind == TFilePickerKind::Save ? TDialogKind::SaveFile : TDialogKind::OpenFile;
}
} // namespace

bool TFilePicker::Execute(QWidget* parent) {
    if (TDialogRecorder* seam = TDialogRecorder::Active()) {
        const std::optional<QString> answer = seam->Respond({SeamKind(Kind), Title, {}, StartPath(*this)});
        if (answer)
            FileName = *answer;
        return answer.has_value();
    }
    TPathCheckingDialog dialog(parent, Title);
    Configure(dialog, *this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    FileName = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
    return true;
}

QString ToDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        const bool shown = parts[i].endsWith(u'(' + patterns + u')');
        filters << (shown ? parts[i] : parts[i] + u" ("_s + patterns + u')');
    }
    return filters.join(u";;"_s);
}
