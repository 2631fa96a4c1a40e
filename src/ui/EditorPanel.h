#pragma once

#include "FolderPicker.h"
#include "model/format/QuarrowTypes.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

struct TMainParts;

// The main window's fields: the area editor, which shows the current area, and the General fields of
// [General]. Each change is a step of the document; a typed change continues the run of keystrokes in
// the same field of the same area. Handlers keep the names the rest of the program knows them by.
class TEditorPanel : public QObject {
    Q_OBJECT
public:
    explicit TEditorPanel(TMainParts& parts);

    // Fills the editor from the area; a field that already holds its text is left untouched.
    void ShowArea(const TArea& area);
    // The editor shows nothing and takes no typing.
    void Clear();
    // The fields and buttons as the current area allows: protected rows are shown read-only, and a
    // required area's Active box cannot be cleared.
    void Enable(bool editable, bool activeMayChange);
    // The Active box after the session made the current required area active.
    void ShowActive();
    void ShowGeneral(const TGeneral& general);

public slots:
    void eTitleChange();
    void eExcludeChange();
    void cbActiveClick();
    void cbRequiredClick();
    void bbLocalClick();
    void bbRemoteClick();
    void bbFlattenAddClick();
    void bbFlattenEditClick();
    void lbxFlattenDblClick();
    void bbFlattenDeleteClick();

private:
    void Connect();
    // No change reaches an area while the editor is being filled or shows no row.
    void ChangeCurrentArea(const char* name, const std::function<void(TArea&)>& change, bool typed = false);
    void ChangeGeneralField(const char* name, const std::function<void(TGeneral&)>& change,
                            bool typed = false);
    void BrowseFolder(const char* name, std::string TArea::*folder);
    // The position of the flatten command an edit or delete works on: -1 while no area is edited, or
    // after telling the user that no command is selected.
    int CommandToChange();
    void ChangeFlatten(const char* name, const std::function<void(std::vector<std::string>&)>& change);

    TMainParts& Parts;
    // The fields are being filled from the document: their change signals are no edits.
    bool Updating = false;
    TFolderPicker stbPath{QStringLiteral("Select Scenery Path")};
};
