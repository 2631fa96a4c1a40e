// The area editor of the main window: it shows the current area, makes each change a step of the
// document, and enables the commands the current selection allows.
#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "CodePageText.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "InputDialog.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryChoice.h"
#include "ui_Main.h"

using namespace Qt::Literals::StringLiterals;

namespace {
const QString FlattenCaption = u"Flatten.x="_s;

// The selected flatten command's position, or -1 after telling the user that there is none.
int SelectedCommand(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        ShowError(u"No flatten command selected!"_s);
        return -1;
    }
    return list->row(selected.first());
}

// The list box keeps its items (and the user's selection in it) while they still say the same.
void ShowFlatten(QListWidget* list, const std::vector<std::string>& commands) {
    bool same = list->count() == static_cast<int>(commands.size());
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == RecordToText(commands[static_cast<std::size_t>(row)]);
    if (same)
        return;
    list->clear();
    for (const std::string& command : commands)
        list->addItem(RecordToText(command));
}
} // namespace

// The editor follows the first selected row; with nothing selected it keeps what it shows.
void THauptformular::lvAreasChange() {
    Session.Select(lvAreas->SelectionFlags());
    if (lvAreas->FirstSelectedRow() < 0)
        return;
    FollowCurrent();
    ShowFolderStatus();
}

// A row deleted or dragged while it was current hands the editor to the first selected row; with no
// row selected either, the editor shows nothing and takes no typing. The status bar then describes the
// list as it now stands, never an area that has left it.
void THauptformular::FollowSelection() {
    FollowCurrent();
    ShowSelectionStatus();
}

void THauptformular::ShowSelectionStatus() {
    if (const TAreaRow* current = CurrentRow(); current && !current->Folder().Exists)
        ShowFolderStatus();
    else
        ShowListSummary();
}

void THauptformular::FollowCurrent() {
    Session.FollowSelection();
    if (const TAreaRow* current = CurrentRow()) {
        UpdateControls();
        ShowArea(current->Area());
    } else {
        ClearEditor();
    }
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
    UpdateListCommands();
    for (QWidget* field : {static_cast<QWidget*>(ui->eTitle), static_cast<QWidget*>(ui->eExclude),
                           static_cast<QWidget*>(ui->lbxFlatten), static_cast<QWidget*>(ui->cbActive)})
        field->setEnabled(false);
    ui->lReadOnly->hide();
}

void THauptformular::ShowArea(const TArea& area) {
    Updating = true;
    SetTextIfDifferent(ui->eLayer, QString::number(area.Layer));
    SetTextIfDifferent(ui->eTitle, RecordToText(area.Title));
    SetTextIfDifferent(ui->eLocal, RecordToText(area.Local));
    SetTextIfDifferent(ui->eRemote, RecordToText(area.Remote));
    ui->cbActive->setChecked(area.Active);
    ui->cbRequired->setChecked(area.Required);
    SetTextIfDifferent(ui->eExclude, RecordToText(area.Exclude));
    ShowFlatten(ui->lbxFlatten, area.Flatten);
    Updating = false;
}

// Making a required area active is no step: no undo may make it inactive again, and the saved state
// counts it as it is.
void THauptformular::UpdateControls() {
    if (Session.ActivateCurrentIfRequired()) {
        CurrentRow()->Show(Document().Areas[static_cast<std::size_t>(CurrentPosition())].Area);
        Updating = true;
        ui->cbActive->setChecked(true);
        Updating = false;
    }
    const TCommandStates states = EnabledCommands(Document(), Session.Selected(), CurrentPosition());
    SetEditorEditable(states.CurrentEditable);
    UpdateListCommands();
    ui->cbActive->setEnabled(states.CurrentNotRequired);
}

int THauptformular::CurrentPosition() const {
    return Session.CurrentPosition();
}

TAreaRow* THauptformular::CurrentRow() const {
    const int position = CurrentPosition();
    return position >= 0 ? lvAreas->Row(position) : nullptr;
}

bool THauptformular::CurrentEditable() const {
    return CurrentPosition() >= ProtectedRows;
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

// No change reaches an area while the editor is being filled or shows no row.
void THauptformular::ChangeCurrentArea(const char* name, const std::function<void(TArea&)>& change,
                                       bool typed) {
    if (Updating || !Session.Current())
        return;
    const std::string runKey = typed ? name + std::to_string(Session.Current()) : std::string();
    PerformEdit(ChangeArea(Document(), Session.Selected(), CurrentPosition(), name, change), runKey);
}

void THauptformular::eTitleChange() {
    ChangeCurrentArea(
        "Scenery Title", [title = FieldToRecord(ui->eTitle->text())](TArea& area) { area.Title = title; },
        true);
}

void THauptformular::eExcludeChange() {
    ChangeCurrentArea(
        "Exclude", [exclude = FieldToRecord(ui->eExclude->text())](TArea& area) { area.Exclude = exclude; },
        true);
}

void THauptformular::cbActiveClick() {
    ChangeCurrentArea("Active", [active = ui->cbActive->isChecked()](TArea& area) { area.Active = active; });
}

void THauptformular::cbRequiredClick() {
    ChangeCurrentArea("Required",
                      [required = ui->cbRequired->isChecked()](TArea& area) { area.Required = required; });
}

void THauptformular::bbLocalClick() {
    BrowseFolder("Local Path", &TArea::Local);
}

void THauptformular::bbRemoteClick() {
    BrowseFolder("Remote Path", &TArea::Remote);
}

// Both folder buttons share the one picker, so each browse starts where the last one ended. The area
// keeps the folder in the host's form, relative to the host folder when it lies below it.
void THauptformular::BrowseFolder(const char* name, std::string TArea::*folder) {
    if (Updating || !Session.Current())
        return;
    if (stbPath.SelectedFolder().isEmpty())
        stbPath.SetSelectedFolder(QString::fromLocal8Bit(AddOnFolder(FPrefs.FSPath)));
    if (!stbPath.Execute(this))
        return;
    const std::optional<std::string> text = ReachableFolderText(stbPath.SelectedFolder());
    if (!text)
        return;
    ChangeCurrentArea(name, [folder, text = *text](TArea& area) { area.*folder = text; });
    ShowFolderStatus();
}

void THauptformular::bbFlattenAddClick() {
    if (Updating || !Session.Current())
        return;
    const QString command =
        ShowInputDialog(u"Add flatten command"_s, FlattenCaption, QString(), RefusalReport());
    if (!command.isEmpty())
        ChangeFlatten("Add flatten command",
                      [text = FieldToRecord(command)](std::vector<std::string>& commands) {
                          commands.push_back(text);
                      });
}

int THauptformular::CommandToChange() {
    return Updating || !Session.Current() ? -1 : SelectedCommand(ui->lbxFlatten);
}

void THauptformular::bbFlattenEditClick() {
    const int row = CommandToChange();
    if (row < 0)
        return;
    const QString command = ShowInputDialog(u"Edit flatten command"_s, FlattenCaption,
                                            ui->lbxFlatten->item(row)->text(), RefusalReport());
    if (!command.isEmpty())
        ChangeFlatten("Edit flatten command",
                      [row, text = FieldToRecord(command)](std::vector<std::string>& commands) {
                          commands[static_cast<std::size_t>(row)] = text;
                      });
}

// The list box's double-click edits only while the row may be changed.
void THauptformular::lbxFlattenDblClick() {
    if (CurrentEditable())
        bbFlattenEditClick();
}

void THauptformular::bbFlattenDeleteClick() {
    const int row = CommandToChange();
    if (row < 0 || !AskYesNo(u"Do you really want to delete the selected flatten command?"_s))
        return;
    ChangeFlatten("Delete flatten command",
                  [row](std::vector<std::string>& commands) { commands.erase(commands.begin() + row); });
}

void THauptformular::ChangeFlatten(const char* name,
                                   const std::function<void(std::vector<std::string>&)>& change) {
    ChangeCurrentArea(name, [&change](TArea& area) { change(area.Flatten); });
}
