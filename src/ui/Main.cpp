#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "AreaSetCommands.h"
#include "BuddyFocus.h"
#include "EditorPanel.h"
#include "FindBar.h"
#include "FolderCommands.h"
#include "LibraryDialogs.h"
#include "MainLook.h"
#include "MenuKeys.h"
#include "ui_Main.h"

#include <QApplication>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QTimer>

// The resources live in a static library: they must be registered by name before first use.
static void InitQuarrowResources() {
    Q_INIT_RESOURCE(Quarrow);
}

// FormCreate: builds the form, its look, its parts and its connections.
THauptformular::THauptformular(const TWindowServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Library(services.Files, services.System, &services.RestorePoints),
      ui(std::make_unique<Ui::THauptformular>()),
      Parts(services, Session, Library, *ui, ui->sbStatus, *this, *this) {
    InitQuarrowResources();
    ui->setupUi(this);
    lvAreas = ui->lvAreas;
    ApplyMainLook(*this, *ui);
    FEditor = std::make_unique<TEditorPanel>(Parts);
    FFind = std::make_unique<TFindBar>(Parts);
    FAreaSets = std::make_unique<TAreaSetCommands>(Parts);
    FFolderCommands = std::make_unique<TFolderCommands>(Parts);
    FDialogs = std::make_unique<TLibraryDialogs>(Parts);
    ConnectHandlers();
}

// FormDestroy: the parts go first, then the rows, the session with its history and the clipboard.
// The children die after the members: a focus change while they go must not reach the freed history.
THauptformular::~THauptformular() {
    disconnect(qApp, nullptr, this, nullptr);
}

void THauptformular::ConnectHandlers() {
    ConnectCommands();
    ui->cmEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(ui->cmEditUndo, &QAction::triggered, this, &THauptformular::cmEditUndoClick);
    connect(ui->cmEditRedo, &QAction::triggered, this, &THauptformular::cmEditRedoClick);
    // Saving and exporting can fail with a file error: queued, the failure reaches the error report without
    // unwinding through the button's own code.
    connect(ui->bbSave, &QPushButton::clicked, this, &THauptformular::bbSaveClick, Qt::QueuedConnection);
    connect(ui->bbRevert, &QPushButton::clicked, this, &THauptformular::bbRevertClick);
    connect(ui->cmFileRestorePoints, &QAction::triggered, FDialogs.get(),
            &TLibraryDialogs::cmFileRestorePointsClick);
    connect(ui->cmFileProfiles, &QAction::triggered, FDialogs.get(), &TLibraryDialogs::cmFileProfilesClick);
    connect(ui->cmFileSettings, &QAction::triggered, FDialogs.get(), &TLibraryDialogs::cmFileSettingsClick);
    connect(ui->cmFileExit, &QAction::triggered, this, &THauptformular::cmFileExitClick);
    connect(ui->cmHelpAbout, &QAction::triggered, FDialogs.get(), &TLibraryDialogs::cmHelpAboutClick);
    connect(lvAreas, &QTreeWidget::itemSelectionChanged, this, &THauptformular::lvAreasChange);
    FocusBuddiesOnly(this);
    // Every keystroke in a field is already a change of the document: its undo keys undo the document.
    RouteKeysToMenu(this, {ui->cmEditUndo, ui->cmEditRedo, ui->cmEditCut, ui->cmEditCopy, ui->cmEditPaste});
    // A run of keystrokes ends where the field loses the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] { Session.EndRun(); });
    lvAreas->DragOverHook = [this](int target) { return lvAreasDragOver(target); };
    lvAreas->DragDropHook = [this](int target) { lvAreasDragDrop(target); };
    lvAreas->EndDragHook = [this] { lvAreasEndDrag(); };
    ConnectKeys();
}

// The hint of the control or menu item under the pointer; the banner where there is none.
bool THauptformular::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        Parts.Status.ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// Qt paints every widget through a back buffer already, so showing only needs the load. Its boxes and
// questions wait until the window is on the screen, so that they come over the list they speak of.
void THauptformular::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this, load = LoadList()] { LoadReport.Report(load); });
}

void THauptformular::ReloadAll() {
    LoadReport.Report(LoadList());
}

// A missing file is a fresh installation; one that exists but cannot be read is said, never shown as
// empty. The history starts with what was read; the load's document is then empty, its other findings
// are for the questions after the list shows.
TLibraryLoad THauptformular::LoadList() {
    Parts.Status.Set(QString());
    lvAreas->clear();
    TLibraryLoad load = Library.Load(Parts.Services.Prefs.FSPath, &Parts.Services.Folders);
    Session.Load(std::move(load.Document));
    ShowDocument();
    {
        const QSignalBlocker quiet(lvAreas);
        FFind->SelectFirstShownRow();
    }
    FollowCurrent();
    Parts.Marks.ShowSummary();
    LoadReport.ShowLibraryPath();
    LoadReport.ShowNotice(load);
    return load;
}

void THauptformular::cmFileExitClick() {
    close();
}
