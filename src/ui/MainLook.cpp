#include "MainLook.h"

#include "AreaListView.h"
#include "FormFont.h"
#include "FormLook.h"
#include "ui_Main.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace {
constexpr int ClientWidth = 867;
constexpr int ClientHeight = 488;
constexpr int StatusBarHeight = 19;

void ApplyGlyphs(const QStyle& style, Ui::THauptformular& ui) {
    const std::pair<QPushButton*, QStyle::StandardPixmap> glyphs[] = {
        {ui.bbAdd, QStyle::SP_FileIcon},
        {ui.bbDupl, QStyle::SP_FileLinkIcon},
        {ui.bbDelete, QStyle::SP_TrashIcon},
        {ui.bbRenumber, QStyle::SP_BrowserReload},
        {ui.bbUp, QStyle::SP_ArrowUp},
        {ui.bbDown, QStyle::SP_ArrowDown},
        {ui.bbExport, QStyle::SP_ArrowForward},
        {ui.bbExportRemove, QStyle::SP_DialogDiscardButton},
        {ui.bbImport, QStyle::SP_ArrowBack},
        {ui.bbSave, QStyle::SP_DialogSaveButton},
        {ui.bbRevert, QStyle::SP_DialogResetButton},
        {ui.bbLocal, QStyle::SP_DirOpenIcon},
        {ui.bbRemote, QStyle::SP_DirOpenIcon},
        {ui.bbFlattenAdd, QStyle::SP_FileDialogNewFolder},
        {ui.bbFlattenEdit, QStyle::SP_FileDialogDetailedView},
        {ui.bbFlattenDelete, QStyle::SP_DialogDiscardButton},
    };
    // QIcon derives the greyed image of the disabled state from the normal one.
    for (const auto& [button, glyph] : glyphs)
        button->setIcon(style.standardIcon(glyph));
}
} // namespace

void ApplyMainLook(QMainWindow& window, Ui::THauptformular& ui) {
    window.setFont(FormFont());
    // Every window of the program, dialogs included, shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    ui.sbStatus->setFixedHeight(StatusBarHeight);
    ui.sbStatus->setSizeGripEnabled(false);
    window.setFixedSize(ClientWidth, ui.Hauptmenue->sizeHint().height() + ClientHeight);
    for (QLabel* label : ui.centralwidget->findChildren<QLabel*>())
        label->adjustSize();
    ui.lvAreas->FitColumns();
    QFont bold = ui.lReadOnly->font();
    bold.setBold(true);
    ui.lReadOnly->setFont(bold);
    ui.lReadOnly->adjustSize();
    QPalette red = ui.lReadOnly->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ui.lReadOnly->setPalette(red);
    ui.lReadOnly->hide();
    for (QWidget* field : {static_cast<QWidget*>(ui.eLayer), static_cast<QWidget*>(ui.eLocal),
                           static_cast<QWidget*>(ui.eRemote)})
        SetInfoColour(field, true);
    ApplyGlyphs(*window.style(), ui);
    CentreOnScreen(window);
}
