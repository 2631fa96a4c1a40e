#pragma once

#include <QString>

class QWidget;

// A window's folder browser. It keeps the folder last chosen or highlighted, so the next run starts
// there. Every folder it is given or picks is normalised: one trailing separator goes, a bare drive
// gets one back ("D:\Games\" -> "D:\Games", "D:" -> "D:\"); "/" stays the root it is.
class TFolderPicker {
public:
    explicit TFolderPicker(const QString& caption = QString()) : Caption(caption) {}

    QString Caption;

    const QString& SelectedFolder() const { return FSelectedFolder; }
    void SetSelectedFolder(const QString& folder);
    // Shows the dialog at SelectedFolder; true when the user confirms a folder.
    bool Execute(QWidget* parent);

private:
    QString FSelectedFolder;
};
