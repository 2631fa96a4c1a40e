// The area editor of the main window: it shows the current area, writes each change straight into it,
// and decides which commands the current selection allows.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "InputDialog.h"
#include "model/Global.h"
#include "platform/AnsiCodec.h"
#include "platform/HostFolderText.h"
#include "ui_Main.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString FlattenCaption = u"Flatten.x="_s;

// Qt's setText resets caret and selection even for the same text, so an unchanged field is left alone.
void SetTextIfDifferent(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// The selected flatten command, or none after telling the user so.
QListWidgetItem* SelectedCommand(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        ShowError(u"No flatten command selected!"_s);
        return nullptr;
    }
    return selected.first();
}
} // namespace

// The editor follows the first selected row; with nothing selected it keeps what it shows.
void THauptformular::lvAreasChange() {
    const int first = lvAreas->FirstSelectedRow();
    if (first < 0)
        return;
    CurrentItem = lvAreas->Row(first);
    UpdateControls(CurrentItem->Area());
    ShowArea(CurrentItem->Area());
    ShowFolderStatus();
}

// A row deleted or dragged while it was current hands the editor to the first selected row; with no
// row selected either, the editor shows nothing and takes no typing. The status bar then describes the
// list as it now stands, never an area that has left it.
void THauptformular::FollowSelection() {
    if (!CurrentItem && lvAreas->FirstSelectedRow() >= 0)
        lvAreasChange();
    else if (CurrentItem)
        UpdateControls(CurrentItem->Area());
    else
        ClearEditor();
    if (CurrentItem && !CurrentItem->Folder().Exists)
        ShowFolderStatus();
    else
        ShowListSummary();
}

void THauptformular::ClearEditor() {
    Updating = true;
    for (QLineEdit* field : {ui->eLayer, ui->eTitle, ui->eLocal, ui->eRemote, ui->eExclude})
        field->clear();
    ui->cbActive->setChecked(false);
    ui->cbRequired->setChecked(false);
    ui->lbxFlatten->clear();
    Updating = false;
    SetEditorEditable(false);
    UpdateListCommands(false);
    for (QWidget* field : {static_cast<QWidget*>(ui->eTitle), static_cast<QWidget*>(ui->eExclude),
                           static_cast<QWidget*>(ui->lbxFlatten), static_cast<QWidget*>(ui->cbActive)})
        field->setEnabled(false);
    ui->lReadOnly->hide();
}

void THauptformular::ShowArea(const TArea& area) {
    Updating = true;
    SetTextIfDifferent(ui->eLayer, QString::number(area.Layer));
    SetTextIfDifferent(ui->eTitle, AnsiToUnicode(area.Title));
    SetTextIfDifferent(ui->eLocal, AnsiToUnicode(area.Local));
    SetTextIfDifferent(ui->eRemote, AnsiToUnicode(area.Remote));
    ui->cbActive->setChecked(area.Active);
    ui->cbRequired->setChecked(area.Required);
    SetTextIfDifferent(ui->eExclude, AnsiToUnicode(area.Exclude));
    ui->lbxFlatten->clear();
    for (const std::string& command : area.Flatten)
        ui->lbxFlatten->addItem(AnsiToUnicode(command));
    Updating = false;
}

// Runs outside Updating: ticking the active box of a required area counts as the user's click, and so
// does making an inactive required area active while the box already shows a tick.
void THauptformular::UpdateControls(TArea& area) {
    const bool editable = CurrentEditable();
    SetEditorEditable(editable);
    UpdateListCommands(editable);
    if (area.Required) {
        const bool wasActive = area.Active;
        area.Active = true;
        if (!ui->cbActive->isChecked())
            ui->cbActive->setChecked(true);
        else if (!wasActive)
            cbActiveClick();
    }
    ui->cbActive->setEnabled(editable && !area.Required);
}

bool THauptformular::CurrentEditable() const {
    return CurrentItem && lvAreas->indexOfTopLevelItem(CurrentItem) >= 2;
}

void THauptformular::SetEditorEditable(bool editable) {
    for (QLineEdit* field : {ui->eTitle, ui->eExclude}) {
        SetInfoColour(field, !editable);
        field->setReadOnly(!editable);
        field->setEnabled(true);
    }
    SetInfoColour(ui->lbxFlatten, !editable);
    ui->lbxFlatten->setEnabled(true);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->bbLocal), static_cast<QWidget*>(ui->bbRemote),
          static_cast<QWidget*>(ui->cbRequired), static_cast<QWidget*>(ui->bbFlattenAdd),
          static_cast<QWidget*>(ui->bbFlattenEdit), static_cast<QWidget*>(ui->bbFlattenDelete)})
        control->setEnabled(editable);
    ui->lReadOnly->setVisible(!editable);
}

// Protected rows allow no list command but Add and Renumber; otherwise the selection's place in the
// list and its required areas decide.
void THauptformular::UpdateListCommands(bool editable) {
    bool top = false;
    bool bottom = false;
    bool required = false;
    const std::vector<char> selected = editable ? lvAreas->SelectionFlags() : std::vector<char>();
    for (std::size_t position = 0; position < selected.size(); ++position) {
        if (!selected[position])
            continue;
        top = top || position == 2;
        bottom = bottom || position + 1 == selected.size();
        required = required || lvAreas->Row(static_cast<int>(position))->Area().Required;
    }
    const bool deletable = editable && !required;
    ui->bbUp->setEnabled(editable && !top);
    ui->bbDown->setEnabled(editable && !bottom);
    for (QPushButton* button : {ui->bbDelete, ui->bbExportRemove})
        button->setEnabled(deletable);
    for (QPushButton* button : {ui->bbDupl, ui->bbExport})
        button->setEnabled(editable);
    for (QAction* item : {ui->cmAreaDelete, ui->cmAreaCutExport})
        item->setEnabled(deletable);
    for (QAction* item : {ui->cmAreaDuplicate, ui->cmAreaExport})
        item->setEnabled(editable);
    // Without a current row nothing is selected: pasting and importing need no selection, and the edit
    // fields keep their keys.
    const bool placeFree = editable || !CurrentItem;
    ui->bbImport->setEnabled(placeFree);
    for (QAction* item : {ui->cmEditCopy, ui->cmEditPaste, ui->cmAreaImport})
        item->setEnabled(placeFree);
    ui->cmEditCut->setEnabled(placeFree && !required);
    ui->cmAreaSelectMissing->setEnabled(MissingFolderCount() > 0);
}

// The area a change handler may write to: none while the editor is being filled or shows no row.
TArea* THauptformular::EditedArea() {
    return Updating || !CurrentItem ? nullptr : &CurrentItem->Area();
}

void THauptformular::eTitleChange() {
    if (TArea* area = EditedArea()) {
        area->Title = FieldTextToAnsi(ui->eTitle->text());
        UpdateRow(*CurrentItem);
        MarkModified();
    }
}

void THauptformular::eExcludeChange() {
    if (TArea* area = EditedArea()) {
        area->Exclude = FieldTextToAnsi(ui->eExclude->text());
        MarkModified();
    }
}

void THauptformular::cbActiveClick() {
    if (TArea* area = EditedArea()) {
        area->Active = ui->cbActive->isChecked();
        UpdateRow(*CurrentItem);
        MarkModified();
    }
}

void THauptformular::cbRequiredClick() {
    if (TArea* area = EditedArea()) {
        area->Required = ui->cbRequired->isChecked();
        UpdateControls(*area);
        UpdateRow(*CurrentItem);
        MarkModified();
    }
}

void THauptformular::bbLocalClick() {
    BrowseFolder(ui->eLocal, &TArea::Local);
}

void THauptformular::bbRemoteClick() {
    BrowseFolder(ui->eRemote, &TArea::Remote);
}

// Both folder buttons share the one picker, so each browse starts where the last one ended. The area
// keeps the folder in the host's form, relative to the host folder when it lies below it.
void THauptformular::BrowseFolder(QLineEdit* field, std::string TArea::*folder) {
    TArea* area = EditedArea();
    if (!area)
        return;
    const QString fsPath = QString::fromLocal8Bit(Prefs->FSPath);
    if (stbPath.SelectedFolder().isEmpty())
        stbPath.SetSelectedFolder(fsPath + u"Addon Scenery"_s);
    if (!stbPath.Execute(this))
        return;
    area->*folder = FieldTextToAnsi(HostFolderText(stbPath.SelectedFolder(), fsPath));
    SetTextIfDifferent(field, AnsiToUnicode(area->*folder));
    MarkModified();
    if (folder == &TArea::Local) {
        CheckFolders({CurrentItem});
        ShowFolderStatus();
        UpdateListCommands(CurrentEditable());
    }
}

void THauptformular::bbFlattenAddClick() {
    if (!EditedArea())
        return;
    const QString command =
        ShowInputDialog(u"Add flatten command"_s, FlattenCaption, QString(), RefusalReport());
    if (command.isEmpty())
        return;
    ui->lbxFlatten->addItem(command);
    StoreFlatten();
}

// The flatten command an edit or delete works on: none while no area is edited, or after telling the
// user that no command is selected.
QListWidgetItem* THauptformular::CommandToChange() {
    return EditedArea() ? SelectedCommand(ui->lbxFlatten) : nullptr;
}

void THauptformular::bbFlattenEditClick() {
    QListWidgetItem* item = CommandToChange();
    if (!item)
        return;
    const QString command =
        ShowInputDialog(u"Edit flatten command"_s, FlattenCaption, item->text(), RefusalReport());
    if (command.isEmpty())
        return;
    item->setText(command);
    StoreFlatten();
}

// The list box's double-click edits only while the row may be changed.
void THauptformular::lbxFlattenDblClick() {
    if (CurrentEditable())
        bbFlattenEditClick();
}

void THauptformular::bbFlattenDeleteClick() {
    QListWidgetItem* item = CommandToChange();
    if (!item)
        return;
    if (!AskYesNo(u"Do you really want to delete the selected flatten command?"_s))
        return;
    delete item;
    StoreFlatten();
}

// The area's flatten commands become a copy of the list box's items.
void THauptformular::StoreFlatten() {
    TArea& area = CurrentItem->Area();
    area.Flatten.clear();
    for (int row = 0; row < ui->lbxFlatten->count(); ++row)
        area.Flatten.push_back(FieldTextToAnsi(ui->lbxFlatten->item(row)->text()));
    MarkModified();
}
