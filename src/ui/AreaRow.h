#pragma once

#include "model/library/HostFolders.h"
#include "model/document/SceneryDocument.h"

#include <QTreeWidgetItem>

// One row of the area list: it stands for one entry of the document and shows its area, which the
// document shares with its earlier states.
class TAreaRow : public QTreeWidgetItem {
public:
    explicit TAreaRow(TEntryId id);

    TEntryId Id() const { return FId; }
    const TArea& Area() const { return *FArea; }
    const TAreaRef& Shown() const { return FArea; }
    // The four cells show the area; false when the row already showed this very area.
    bool Show(const TAreaRef& area);

    // Where the host finds the area's folder, as last checked; a missing one shows the name in red.
    const TFolderFound& Folder() const { return FFolder; }
    void SetFolder(TFolderFound folder);

private:
    TEntryId FId;
    TAreaRef FArea;
    TFolderFound FFolder{{}, true};
};
