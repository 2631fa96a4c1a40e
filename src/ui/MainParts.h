#pragma once

#include "FolderMarks.h"
#include "StatusLine.h"
#include "WindowServices.h"
#include "model/document/EditingSession.h"

#include <string>
#include <vector>

namespace Ui {
class THauptformular;
}
class QWidget;
class TAreaListView;
class TAreaRow;
class TLibraryFile;

// What the parts of the main window ask of the window itself.
class TWindowCore {
public:
    // The one place a command's result reaches the window: the session takes the step, and the rows,
    // General, the selection, the editor and the status bar show the new state.
    virtual void Perform(TDocumentStep step) = 0;
    // An edit's step: the status bar goes on saying what it said.
    virtual void PerformEdit(TDocumentStep step, const std::string& runKey) = 0;
    // After the session's current entry may have changed: the editor and the commands follow it.
    virtual void FollowCurrent() = 0;
    // After a selection made by code: the editor, the commands and the status bar follow it.
    virtual void FollowSelection() = 0;
    // Selects exactly the flagged rows and shows the first of them in the editor.
    virtual void SelectFlagged(const std::vector<char>& flags) = 0;

protected:
    ~TWindowCore() = default;
};

// What the parts of the main window share: the services, the session they edit, the library file, the
// form's controls, the status bar and the rows' folder marks. The window owns it and outlives each part.
struct TMainParts {
    TMainParts(const TWindowServices& services, TEditingSession& session, TLibraryFile& library,
               Ui::THauptformular& ui, QStatusBar*& statusBar, TWindowCore& core, QWidget& window)
        : Services(services), Session(session), Library(library), Ui(ui), Core(core), Window(window),
          Status(statusBar), Marks(*this) {}

    const TWindowServices Services;
    TEditingSession& Session;
    TLibraryFile& Library;
    Ui::THauptformular& Ui;
    TWindowCore& Core;
    // The parent of every dialog and box the parts show.
    QWidget& Window;
    TStatusLine Status;
    TFolderMarks Marks;

    const TSceneryDocument& Document() const { return Session.Document(); }
    TAreaListView& List() const;
    // The row whose area the editor shows; none after a load of an empty file or once that row is
    // deleted.
    TAreaRow* CurrentRow() const;
};
