#pragma once

#include "FilePicker.h"
#include "FolderPicker.h"
#include "RecordText.h"
#include "model/FileStamp.h"
#include "model/QuarrowTypes.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class THauptformular;
}
class TAreaRow;
class TAreaListView;
class QLineEdit;
class QListWidgetItem;
class QTreeWidgetItem;
class TProfileFile;
class TFileAccess;
struct TListChange;

// The program's one main window: the ordered area list with its commands, the area editor, the
// General fields, the menu and the status bar. Each list row owns its area; the window owns General
// and the area clipboard. Handlers keep the names the rest of the program knows them by.
class THauptformular : public QMainWindow {
    Q_OBJECT
public:
    // The file access reads and writes Scenery.cfg and its backup; it outlives the window.
    explicit THauptformular(const TFileAccess& files, QWidget* parent = nullptr);
    ~THauptformular() override;

    // The window's state as tests and the benchmark see it.
    bool IsModified() const { return Modified; }
    const TAreaRow* Current() const { return CurrentItem; }

    void ReloadAll();
    void ReadSceneryCfg();
    void UpdateRow(TAreaRow& row);
    int MaxAreaNumber() const;
    int MaxLayer() const;
    void Renumber();
    // Fills the editor from the area; a field that already holds its text is left untouched.
    void ShowArea(const TArea& area);
    // Enables the editor and the commands as the current row and the selection allow; a required
    // area is made active as if its box were ticked.
    void UpdateControls(TArea& area);
    // The window may close: asks first while there are unsaved changes.
    bool FormCloseQuery();
    // The host folder's library as the host would open it, in whatever letter case it has on disk.
    std::string SceneryCfgPath() const;

    bool lvAreasDragOver(int target) const;
    void lvAreasDragDrop(int target);
    void lvAreasEndDrag();
    // Import's work once the dialog has ended with OK; the file name as the picker gives it.
    void ImportAreaSet(const QString& fileName, int insertMode);

public slots:
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
    void bbSaveClick();
    void bbRevertClick();
    void cmFileSettingsClick();
    void cmFileExitClick();
    void cmHelpAboutClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook();
    void ApplyGlyphs();
    void ConnectHandlers();
    void FormShow();
    // A hint shows until the pointer leaves its control; the status text stays until replaced.
    void ShowHintText(const QString& hint);
    void SetStatusText(const QString& text);
    // Where the fields that feed a record say which characters they left out.
    TRefusalReport RefusalReport();
    // Marks each row whose folder the host would not find.
    void CheckFolders(const QList<QTreeWidgetItem*>& rows);
    // The current row's missing folder, or nothing once the current row has its folder.
    void ShowFolderStatus();
    void ShowListSummary();
    int MissingFolderCount() const;
    bool SaveGoesAhead();
    // The host folder's file of this name in any letter case; the name as given when there is none.
    std::string HostFile(const char* name) const;
    // The settings have moved the host folder since the list was loaded or saved.
    bool HostFolderMoved() const;
    // Another program wrote the library (or removed it) since this window last read or wrote it.
    bool ChangedOutside(bool cheapLook) const;
    bool BackupGoesAhead();
    void WriteSceneryCfg();
    // Rows for the areas of a file, in ascending section number, not yet in the list.
    QList<QTreeWidgetItem*> SweptRows(const TProfileFile& file);
    // Every row's area, in row order.
    std::vector<const TArea*> RowAreas() const;
    void ApplyListChange(const TListChange& change);
    bool CurrentEditable() const;
    void SetEditorEditable(bool editable);
    void UpdateListCommands(bool editable);
    TArea* EditedArea();
    void BrowseFolder(QLineEdit* field, std::string TArea::*folder);
    QListWidgetItem* CommandToChange();
    void StoreFlatten();
    // The export file picked and the selection checked; the rows to write, top down, or none.
    std::vector<int> ExportedRows();
    // Writes the areas of these rows to the picked file; false when the user or a check stopped it.
    // Throws EInOutError when writing fails, the file then being as it was.
    bool WriteAreaSet(const std::vector<int>& rows);

    // The one place that marks the list as changed since the last load or save.
    void MarkModified();
    // After every list command: the editor and the commands show the list as it now stands.
    void FollowSelection();
    void ClearEditor();
    void GeneralSettingsChange();

    TGeneral General;
    bool Modified = false;
    // The row whose area the editor shows; none after a load of an empty file or once that row is deleted.
    TAreaRow* CurrentItem = nullptr;
    std::vector<std::unique_ptr<TArea>> AreaClipboard;
    bool Updating = false;
    const TFileAccess& Files;
    // The last load met a Scenery.cfg it could not read: saving would replace a library unseen.
    bool FReadFailed = false;
    // The Scenery.cfg the list stands for, in its host folder; the settings may since have moved the
    // host folder.
    std::string FListFile;
    std::string FListFolder;
    // What FListFile held when it was last read or written.
    TFileStamp FListStamp;
    QString FStatusText;
    std::unique_ptr<Ui::THauptformular> ui;
    TAreaListView* lvAreas;
    TFolderPicker stbPath{QStringLiteral("Select Scenery Path")};
    TFilePicker sdExport{TFilePickerKind::Save};
};
