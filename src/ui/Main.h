#pragma once

#include "LoadReport.h"
#include "MainParts.h"
#include "model/document/CommandTable.h"
#include "model/document/EditingSession.h"
#include "model/library/LibraryFile.h"

#include <QMainWindow>
#include <memory>
#include <vector>

namespace Ui {
class THauptformular;
}
class TAreaRow;
class TAreaListView;
class QAction;
class QPushButton;
class TAreaSetCommands;
class TEditorPanel;
class TFindBar;
class TFolderCommands;
class TLibraryDialogs;

// The program's one main window: the ordered area list with its commands, the menu and the status bar,
// with the editor, the find bar, the area sets, the folder commands and the library's dialogs as its
// parts. The document and its undo history live in the editing session; the window shows the current
// state, each row one entry, and applies every command's result in one place. Handlers keep the names
// the rest of the program knows them by.
class THauptformular : public QMainWindow, private TWindowCore {
    Q_OBJECT
public:
    explicit THauptformular(const TWindowServices& services, QWidget* parent = nullptr);
    ~THauptformular() override;

    // The window's state as tests and the benchmark see it.
    bool IsModified() const { return Session.IsModified(); }
    const TAreaRow* Current() const { return Parts.CurrentRow(); }
    const TSceneryDocument& Document() const { return Session.Document(); }
    TEditorPanel& Editor() const { return *FEditor; }
    TAreaSetCommands& AreaSets() const { return *FAreaSets; }
    TFolderCommands& FolderCommands() const { return *FFolderCommands; }
    TLibraryDialogs& Dialogs() const { return *FDialogs; }

    // Reads the library into the list and says what the load found.
    void ReloadAll();
    // The window may close: asks first while there are unsaved changes.
    bool FormCloseQuery();

    bool lvAreasDragOver(int target) const;
    void lvAreasDragDrop(int target);
    void lvAreasEndDrag();

public slots:
    void cmEditUndoClick();
    void cmEditRedoClick();
    void bbAddClick();
    void bbDuplClick();
    void bbDeleteClick();
    void bbRenumberClick();
    void bbUpClick();
    void bbDownClick();
    void lvAreasChange();
    void cmEditCutClick();
    void cmEditCopyClick();
    void cmEditPasteClick();
    void bbSaveClick();
    void bbRevertClick();
    void cmFileExitClick();
    void cmAreaMoveTopClick();
    void cmAreaMoveBottomClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Perform(TDocumentStep step) override;
    void PerformEdit(TDocumentStep step, const std::string& runKey) override;
    // A row deleted or dragged while it was current hands the editor to the first selected row; with no
    // row selected either, the editor shows nothing and takes no typing. The status bar then describes
    // the list as it now stands, never an area that has left it.
    void FollowSelection() override;
    void FollowCurrent() override;
    void SelectFlagged(const std::vector<char>& flags) override;

    void ConnectHandlers();
    // The keys people expect of any editor, and the tooltips of the buttons that show only an icon.
    void ConnectKeys();
    // Wires each row of the command table once, to its button and its menu item.
    void ConnectCommands();
    // Reads the library into the list; what the load found for the user comes in its report.
    TLibraryLoad LoadList();
    // Enables the editor and the commands as the current row and the selection allow; a required area
    // the editor shows is made active for good.
    void UpdateControls();
    // Each command's controls enabled as its row's rule says.
    void UpdateListCommands();
    // Rows whose entry and area are unchanged are left as they are, so a keystroke rewrites one row.
    void ShowDocument();
    void UpdateUndoItems();
    // The rows the step touched are selected again and the editor follows the first of them.
    void ShowStepAgain();
    // The current row's missing folder, else the list's summary.
    void ShowSelectionStatus();
    // False, after telling the user, when the selection gives the row's command nothing to act on.
    bool SelectionServes(const TCommandRow& row);
    // The row's step, performed; false when the selection or the step gave nothing to do, which the
    // user is told.
    bool Run(const TCommandRow& row);
    void ShowFirstMovedRow();

    TEditingSession Session;
    // The simulator's library: which file it is, what it held, and the whole save.
    TLibraryFile Library;
    std::unique_ptr<Ui::THauptformular> ui;
    TMainParts Parts;
    TLoadReport LoadReport{Parts};
    TAreaListView* lvAreas = nullptr;
    // The button and the menu item of each row of the command table, in its order.
    std::vector<std::pair<QPushButton*, QAction*>> FCommandControls;
    // Made once the form is set up; they go before the form's controls, so that no signal of a control
    // going reaches a part.
    std::unique_ptr<TEditorPanel> FEditor;
    std::unique_ptr<TFindBar> FFind;
    std::unique_ptr<TAreaSetCommands> FAreaSets;
    std::unique_ptr<TFolderCommands> FFolderCommands;
    std::unique_ptr<TLibraryDialogs> FDialogs;
};
