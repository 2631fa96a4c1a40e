#pragma once

#include "FolderPicker.h"

#include <QObject>
#include <string>
#include <vector>

struct TMainParts;

// Scenery folders in the main window: chosen folders become areas in one step, the add-on folders no
// area has yet are found and offered, the areas with a missing folder are selected, and the selected
// areas are switched on or off at once.
class TFolderCommands : public QObject {
    Q_OBJECT
public:
    explicit TFolderCommands(TMainParts& parts) : Parts(parts) {}
    // One new area for each folder no area has yet (native paths, as the picker gives them).
    void AddFolders(const QStringList& folders);

public slots:
    void cmAreaSelectMissingClick();
    void cmAreaAddFoldersClick();
    void cmAreaFindNewClick();
    void cmAreaActivateClick();
    void cmAreaDeactivateClick();

private:
    // Where the host finds each area's folder, for the duplicate test of added folders.
    std::vector<std::string> ListedFolders() const;
    void SwitchSelected(bool active);

    TMainParts& Parts;
    TFolderPicker stbFolders{QStringLiteral("Add Scenery Folders"), true};
};
