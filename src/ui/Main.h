#pragma once

#include "FilePicker.h"
#include "FolderPicker.h"
#include "RecordText.h"
#include "model/document/AreaFilter.h"
#include "model/document/CommandTable.h"
#include "model/document/EditingSession.h"
#include "model/format/QuarrowTypes.h"
#include "model/library/LibraryFile.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class THauptformular;
}
class TAreaRow;
class TAreaListView;
class QLineEdit;
class QAction;
class QPushButton;
class QListWidgetItem;
class QTreeWidgetItem;
class TFileAccess;
class THostFolders;
class THostLocator;
class THostSystem;
class TSceneryFiles;
class TProfileStore;
class TRestorePoints;
struct TRestorePoint;

// What the windows reach outside themselves: app/ gives the system's own, tests bring theirs. Each
// outlives the windows.
struct TWindowServices {
    // Reads and writes Scenery.cfg, its backup and the area sets.
    const TFileAccess& Files;
    const THostFolders& Folders;
    const THostLocator& Host;
    // Where the simulator's library really is, and whether the simulator runs.
    const THostSystem& System;
    TPrefs& Prefs;
    // The areas' scenery files, for the airport check.
    const TSceneryFiles& Scenery;
    // Where every save keeps what it replaced.
    const TRestorePoints& RestorePoints;
    // The saved sets of Active flags of each library.
    const TProfileStore& Profiles;
};

// The program's one main window: the ordered area list with its commands, the area editor, the
// General fields, the menu and the status bar. The document and its undo history live in the model;
// the window shows the current state, each row one entry, and applies every command's result in one
// place. Handlers keep the names the rest of the program knows them by.
class THauptformular : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptformular(const TWindowServices& services, QWidget* parent = nullptr);
    ~THauptformular() override;

    // The window's state as tests and the benchmark see it.
    bool IsModified() const { return Session.IsModified(); }
    const TAreaRow* Current() const { return CurrentRow(); }
    const TSceneryDocument& Document() const { return Session.Document(); }

    void ReloadAll();
    // Reads the library into the list; what the load found for the user comes in ReportLoad.
    TLibraryLoad LoadList();
    TLibraryLoad ReadSceneryCfg();
    void ReportLoad(const TLibraryLoad& load);
    // Fills the editor from the area; a field that already holds its text is left untouched.
    void ShowArea(const TArea& area);
    // Enables the editor and the commands as the current row and the selection allow; a required
    // area the editor shows is made active for good.
    void UpdateControls();
    // The window may close: asks first while there are unsaved changes.
    bool FormCloseQuery();

    bool lvAreasDragOver(int target) const;
    void lvAreasDragDrop(int target);
    void lvAreasEndDrag();
    // One new area for each folder no area has yet (native paths, as the picker gives them).
    void AddFolders(const QStringList& folders);
    // Import's work once the dialog has ended with OK; the file name as the picker gives it.
    void ImportAreaSet(const QString& fileName, TInsertPlace place);

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
    void cmEditCutClick();
    void cmEditCopyClick();
    void cmEditPasteClick();
    void bbExportClick();
    void bbExportRemoveClick();
    void bbImportClick();
    void cmAreaSelectMissingClick();
    void cmAreaAddFoldersClick();
    void cmAreaFindNewClick();
    void cmAreaActivateClick();
    void cmAreaDeactivateClick();
    void cmAreaCheckAirportsClick();
    void bbSaveClick();
    void bbRevertClick();
    void cmFileRestorePointsClick();
    void cmFileProfilesClick();
    void cmFileSettingsClick();
    void cmFileExitClick();
    void cmHelpAboutClick();
    void cmEditFindClick();
    void cmAreaMoveTopClick();
    void cmAreaMoveBottomClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook();
    void ApplyGlyphs();
    void ConnectHandlers();
    void ConnectGeneralFields();
    void FormShow();
    // A hint shows until the pointer leaves its control; the status text stays until replaced.
    void ShowHintText(const QString& hint);
    // The status bar's tooltip holds the whole text where the bar is too narrow for it.
    void SetStatusText(const QString& text, const QString& wholeText = {});
    // Where the fields that feed a record say which characters they left out.
    TRefusalReport RefusalReport();
    // Marks each row whose folder the host would not find.
    void CheckFolders(const QList<TAreaRow*>& rows);
    // The current row's missing folder, or nothing once the current row has its folder.
    void ShowFolderStatus();
    void ShowListSummary();
    // After the list changed: MissingCount holds the rows whose folder the host would not find.
    void CountMissingFolders();
    // Brings the point's library into the list as one step; says why not when its file cannot be read.
    void RestorePoint(const TRestorePoint& point);
    // Where the host finds each area's folder, for the duplicate test of added folders.
    std::vector<std::string> ListedFolders() const;
    // The text an area keeps for the folder; none, after saying so, when the simulator cannot reach it.
    std::optional<std::string> ReachableFolderText(const QString& folder);
    void SwitchSelected(bool active);
    // Selects exactly the flagged rows and shows the first of them in the editor.
    void SelectFlagged(const std::vector<char>& flags);
    void ShowLibraryPath();
    // Says, before the list's summary, what the list does not show and when the library is not the host
    // folder's own Scenery.cfg.
    void ShowLoadNotice(const TLibraryLoad& load);
    // The question whether to add the areas installers wrote into the host folder's own file while the
    // simulator read its per-user copy.
    void OfferInstalledAreas(const TLibraryLoad& load);
    // The one place a command's result reaches the window: the history takes the step, and the rows,
    // General, the selection, the editor and Modified show the new state.
    void Perform(TDocumentStep step);
    // An edit's step: the status bar goes on saying what it said.
    void PerformEdit(TDocumentStep step, const std::string& runKey);
    void ShowDocument();
    void ShowGeneral(const TGeneral& general);
    void UpdateUndoItems();
    void ShowStepAgain();
    int CurrentPosition() const;
    bool CurrentEditable() const;
    void SetEditorEditable(bool editable);
    // Wires each row of the command table once, to its button and its menu item.
    void ConnectCommands();
    // Each command's controls enabled as its row's rule says.
    void UpdateListCommands();
    // False, after telling the user, when the selection gives the row's command nothing to act on.
    bool SelectionServes(const TCommandRow& row);
    // The row's step, performed; false when the selection or the step gave nothing to do, which the
    // user is told.
    bool Run(const TCommandRow& row);
    void ShowFirstMovedRow();
    // A change of the area the editor shows, one step; a typed change continues the run of keystrokes
    // in the same field of the same area.
    void ChangeCurrentArea(const char* name, const std::function<void(TArea&)>& change, bool typed = false);
    void ChangeGeneralField(const char* name, const std::function<void(TGeneral&)>& change,
                            bool typed = false);
    void BrowseFolder(const char* name, std::string TArea::*folder);
    // The position of the flatten command an edit or delete works on: -1 while no area is edited, or
    // after telling the user that no command is selected.
    int CommandToChange();
    void ChangeFlatten(const char* name, const std::function<void(std::vector<std::string>&)>& change);
    // The export file picked and the selection checked; the rows to write, top down, or none.
    std::vector<int> ExportedRows();
    // Writes the areas of these rows to the picked file; false when the user or a check stopped it.
    // Throws EInOutError when writing fails, the file then being as it was.
    bool WriteAreaSet(const std::vector<int>& rows);

    void ConnectFind();
    // The keys people expect of any editor, and the tooltips of the buttons that show only an icon.
    void ConnectKeys();
    // The filter changed: the rows kept in sight for the commands go, and the list is filtered anew.
    void FilterChange();
    // The row whose area the editor shows; none after a load of an empty file or once that row is
    // deleted.
    TAreaRow* CurrentRow() const;
    // Shows the rows the filter lets through and takes the hidden ones out of the selection; after
    // every change of the document or the filter.
    void ShowFilter();
    TAreaFilter TypedFilter() const;
    // Alt+Up and Alt+Down say why they do nothing while rows are hidden.
    void MoveByKey(QPushButton* button);
    // Escape in the find field: every row again, the selection kept, the current row in view.
    void ClearFilter();
    // Enter or Down in the find field: into the list, onto the first row shown.
    void EnterList();
    // Selects the first shown row alone; false when no row shows.
    bool SelectFirstShownRow();

    // After every list command: the editor, the commands and the status bar show the list as it now
    // stands.
    void FollowSelection();
    void FollowCurrent();
    // The current row's missing folder, else the list's summary.
    void ShowSelectionStatus();
    void ClearEditor();

    TEditingSession Session;
    int MissingCount = 0;
    bool Updating = false;
    const TFileAccess& Files;
    const THostFolders& Folders;
    const THostLocator& Host;
    TPrefs& FPrefs;
    const TSceneryFiles& Scenery;
    const TRestorePoints& RestorePoints;
    const TProfileStore& Profiles;
    // The simulator's library: which file it is, what it held, and the whole save.
    TLibraryFile Library;
    QString FStatusText;
    // The hints of Move up and Move down while every row shows.
    QStringList FOrderTips;
    // The button and the menu item of each row of the command table, in its order.
    std::vector<std::pair<QPushButton*, QAction*>> FCommandControls;
    std::unique_ptr<Ui::THauptformular> ui;
    TAreaListView* lvAreas;
    TFolderPicker stbPath{QStringLiteral("Select Scenery Path")};
    TFolderPicker stbFolders{QStringLiteral("Add Scenery Folders"), true};
    TFilePicker sdExport{TFilePickerKind::Save};
};
