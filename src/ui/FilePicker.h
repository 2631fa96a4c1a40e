#pragma once

#include <QString>

class QWidget;

enum class TFilePickerKind { Open, Save };

// A window's open-file or save-file dialog. The owner sets the title, the filter in the
// "Text|patterns|Text|patterns" form, the default extension and the initial folder; the picker keeps
// the file chosen last and starts the next run from it, so its folder wins over InitialDir.
// A name typed without extension gets DefaultExt; the folder must exist; an open picker's file must
// exist; a save picker overwrites without asking (its caller decides).
class TFilePicker {
public:
    explicit TFilePicker(TFilePickerKind kind) : Kind(kind) {}

    const TFilePickerKind Kind;
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString InitialDir;
    // The starting file name before a run, the chosen full file name after one.
    QString FileName;

    // True with FileName set to the chosen file; false, FileName unchanged, when cancelled.
    bool Execute(QWidget* parent);
};

// "Text|*.a;*.b|..." as the dialog's filter list: "Text (*.a *.b);;...".
QString ToDialogFilter(const QString& filter);
