#include "Main.h"

#include "AboutDlg.h"
#include "AreaListView.h"
#include "AreaRow.h"
#include "AreaSetFiles.h"
#include "BuddyFocus.h"
#include "CodePageText.h"
#include "FormFont.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "MenuKeys.h"
#include "SettingsDialog.h"
#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "ui_Main.h"

#include <QApplication>
#include <QLabel>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// The resources live in a static library: they must be registered by name before first use.
static void InitQuarrowResources() {
    Q_INIT_RESOURCE(Quarrow);
}

namespace {
const QString Banner = u"Quarrow - the scenery library editor for Flight Simulator 2004"_s;
constexpr int ClientWidth = 867;
constexpr int ClientHeight = 488;
constexpr int StatusBarHeight = 19;
} // namespace

// FormCreate: builds the form, its look and its connections; the document and the area clipboard are
// members.
THauptformular::THauptformular(const TWindowServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      Files(services.Files), Folders(services.Folders), Host(services.Host), FPrefs(services.Prefs),
      Scenery(services.Scenery), RestorePoints(services.RestorePoints),
      Profiles(services.Profiles),
      Library(services.Files, services.System, &services.RestorePoints),
      ui(std::make_unique<Ui::THauptformular>()) {
    InitQuarrowResources();
    ui->setupUi(this);
    lvAreas = ui->lvAreas;
    ApplyLook();
    ApplyGlyphs();
    ConnectHandlers();
    sdExport.Title = u"Export Area Sets"_s;
    sdExport.Filter = AreaSetFilter;
    sdExport.DefaultExt = AreaSetExtension;
}

// FormDestroy: the rows, the document with its history and the clipboard go with the window.
// The children die after the members: a focus change while they go must not reach the freed history.
THauptformular::~THauptformular() {
    disconnect(qApp, nullptr, this, nullptr);
}

void THauptformular::ApplyLook() {
    setFont(FormFont());
    // Every window of the program, dialogs included, shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    ui->sbStatus->setFixedHeight(StatusBarHeight);
    ui->sbStatus->setSizeGripEnabled(false);
    setFixedSize(ClientWidth, ui->Hauptmenue->sizeHint().height() + ClientHeight);
    for (QLabel* label : ui->centralwidget->findChildren<QLabel*>())
        label->adjustSize();
    lvAreas->FitColumns();
    QFont bold = ui->lReadOnly->font();
    bold.setBold(true);
    ui->lReadOnly->setFont(bold);
    ui->lReadOnly->adjustSize();
    QPalette red = ui->lReadOnly->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ui->lReadOnly->setPalette(red);
    ui->lReadOnly->hide();
    for (QWidget* field : {static_cast<QWidget*>(ui->eLayer), static_cast<QWidget*>(ui->eLocal),
                           static_cast<QWidget*>(ui->eRemote)})
        SetInfoColour(field, true);
    CentreOnScreen(*this);
}

void THauptformular::ApplyGlyphs() {
    const std::pair<QPushButton*, QStyle::StandardPixmap> glyphs[] = {
        {ui->bbAdd, QStyle::SP_FileIcon},
        {ui->bbDupl, QStyle::SP_FileLinkIcon},
        {ui->bbDelete, QStyle::SP_TrashIcon},
        {ui->bbRenumber, QStyle::SP_BrowserReload},
        {ui->bbUp, QStyle::SP_ArrowUp},
        {ui->bbDown, QStyle::SP_ArrowDown},
        {ui->bbExport, QStyle::SP_ArrowForward},
        {ui->bbExportRemove, QStyle::SP_DialogDiscardButton},
        {ui->bbImport, QStyle::SP_ArrowBack},
        {ui->bbSave, QStyle::SP_DialogSaveButton},
        {ui->bbRevert, QStyle::SP_DialogResetButton},
        {ui->bbLocal, QStyle::SP_DirOpenIcon},
        {ui->bbRemote, QStyle::SP_DirOpenIcon},
        {ui->bbFlattenAdd, QStyle::SP_FileDialogNewFolder},
        {ui->bbFlattenEdit, QStyle::SP_FileDialogDetailedView},
        {ui->bbFlattenDelete, QStyle::SP_DialogDiscardButton},
    };
    // QIcon derives the greyed image of the disabled state from the normal one.
    for (const auto& [button, glyph] : glyphs)
        button->setIcon(style()->standardIcon(glyph));
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
    connect(ui->cmFileRestorePoints, &QAction::triggered, this, &THauptformular::cmFileRestorePointsClick);
    connect(ui->cmFileProfiles, &QAction::triggered, this, &THauptformular::cmFileProfilesClick);
    connect(ui->cmFileSettings, &QAction::triggered, this, &THauptformular::cmFileSettingsClick);
    connect(ui->cmFileExit, &QAction::triggered, this, &THauptformular::cmFileExitClick);
    connect(ui->cmHelpAbout, &QAction::triggered, this, &THauptformular::cmHelpAboutClick);
    connect(lvAreas, &QTreeWidget::itemSelectionChanged, this, &THauptformular::lvAreasChange);
    ConnectGeneralFields();
    // Text set from code runs the handlers too; they ignore it while the editor is being filled.
    connect(ui->eTitle, &QLineEdit::textChanged, this, &THauptformular::eTitleChange);
    connect(ui->eExclude, &QLineEdit::textChanged, this, &THauptformular::eExcludeChange);
    connect(ui->cbActive, &QCheckBox::toggled, this, &THauptformular::cbActiveClick);
    connect(ui->cbRequired, &QCheckBox::toggled, this, &THauptformular::cbRequiredClick);
    connect(ui->bbLocal, &QPushButton::clicked, this, &THauptformular::bbLocalClick);
    connect(ui->bbRemote, &QPushButton::clicked, this, &THauptformular::bbRemoteClick);
    connect(ui->bbFlattenAdd, &QPushButton::clicked, this, &THauptformular::bbFlattenAddClick);
    connect(ui->bbFlattenEdit, &QPushButton::clicked, this, &THauptformular::bbFlattenEditClick);
    connect(ui->bbFlattenDelete, &QPushButton::clicked, this, &THauptformular::bbFlattenDeleteClick);
    connect(ui->lbxFlatten, &QListWidget::itemDoubleClicked, this, &THauptformular::lbxFlattenDblClick);
    for (QLineEdit* field : {ui->eTitle, ui->eExclude, ui->eCfgTitle, ui->eDescription})
        KeepRecordText(field, RefusalReport());
    FocusBuddiesOnly(this);
    // Every keystroke in a field is already a change of the document: its undo keys undo the document.
    RouteKeysToMenu(this, {ui->cmEditUndo, ui->cmEditRedo, ui->cmEditCut, ui->cmEditCopy, ui->cmEditPaste});
    // A run of keystrokes ends where the field loses the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] { Session.EndRun(); });
    lvAreas->DragOverHook = [this](int target) { return lvAreasDragOver(target); };
    lvAreas->DragDropHook = [this](int target) { lvAreasDragDrop(target); };
    lvAreas->EndDragHook = [this] { lvAreasEndDrag(); };
    ConnectFind();
    ConnectKeys();
}

// The hint of the control or menu item under the pointer; the banner where there is none.
bool THauptformular::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowHintText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void THauptformular::ShowHintText(const QString& hint) {
    ui->sbStatus->showMessage(!hint.isEmpty() ? hint : !FStatusText.isEmpty() ? FStatusText : Banner);
}

void THauptformular::SetStatusText(const QString& text, const QString& wholeText) {
    FStatusText = text;
    ui->sbStatus->setToolTip(wholeText.isEmpty() ? text : wholeText);
    ShowHintText(QString());
}

TRefusalReport THauptformular::RefusalReport() {
    return [this](const QString& why) { SetStatusText(why); };
}

void THauptformular::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Qt paints every widget through a back buffer already, so showing only needs the load. Its boxes and
// questions wait until the window is on the screen, so that they come over the list they speak of.
void THauptformular::FormShow() {
    QTimer::singleShot(0, this, [this, load = LoadList()] { ReportLoad(load); });
}

void THauptformular::ReloadAll() {
    ReportLoad(LoadList());
}

TLibraryLoad THauptformular::LoadList() {
    SetStatusText(QString());
    TLibraryLoad load = ReadSceneryCfg();
    ShowDocument();
    {
        const QSignalBlocker quiet(lvAreas);
        SelectFirstShownRow();
    }
    FollowCurrent();
    ShowListSummary();
    ShowLibraryPath();
    ShowLoadNotice(load);
    return load;
}

// A missing file is a fresh installation; one that exists but cannot be read is said, never shown as
// empty. The history starts with what was read; the load's document is then empty, its other findings
// are for the questions after the list shows.
TLibraryLoad THauptformular::ReadSceneryCfg() {
    lvAreas->clear();
    TLibraryLoad load = Library.Load(FPrefs.FSPath, &Folders);
    Session.Load(std::move(load.Document));
    return load;
}

// What the load could not show is said once per load, in a box as well as in the status bar: a save
// would drop it.
void THauptformular::ReportLoad(const TLibraryLoad& load) {
    if (!load.Failure.empty())
        ShowError(u"Scenery.cfg could not be read: "_s + QString::fromLocal8Bit(Library.Choice().ReadFrom()) +
                  u": "_s + QString::fromUtf8(load.Failure));
    if (!load.Warning.empty())
        ShowWarning(QString::fromLocal8Bit(load.Warning));
    OfferInstalledAreas(load);
}

// The list is not read again: Revert loads the Scenery.cfg of a new host folder when the user wants it.
void THauptformular::cmFileSettingsClick() {
    TSettingsDlg dialog(Host, FPrefs, this);
    dialog.exec();
}

void THauptformular::cmFileExitClick() {
    close();
}

void THauptformular::cmHelpAboutClick() {
    TAboutBox box(this);
    box.exec();
}
