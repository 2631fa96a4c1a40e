#pragma once

#include <QStringList>

class QWidget;

// A window's folder browser. It keeps the folder last chosen or highlighted, so the next run starts
// there. Every folder it is given or picks is normalised: one trailing separator goes, a bare drive
// gets one back ("D:\Games\" -> "D:\Games", "D:" -> "D:\"); "/" stays the root it is.
class TFolderPicker {
public:
    // A picker of several folders opens inside its folder, where the user picks among the subfolders.
    explicit TFolderPicker(const QString& caption = QString(), bool multiple = false)
        : Caption(caption), Multiple(multiple) {}

    QString Caption;
    const bool Multiple;

    const QString& SelectedFolder() const { return FSelectedFolder; }
    // Every folder the last confirmed run chose; the test seam gives them one per line.
    const QStringList& SelectedFolders() const { return FSelectedFolders; }
    void SetSelectedFolder(const QString& folder);
    // Shows the dialog at SelectedFolder; true when the user confirms a folder.
    bool Execute(QWidget* parent);

private:
    void Take(const QStringList& folders);

    QString FSelectedFolder;
    QStringList FSelectedFolders;
};

// The folder itself, or the nearest folder above it that exists: a dialog would open a missing folder
// as the program's working folder, far from where the user was sent.
QString NearestExistingFolder(const QString& folder);
