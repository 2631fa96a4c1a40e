// The area editor and the General fields of the main window: they show the current area and
// [General], and make each change a step of the document.
#include "EditorPanel.h"

#include "AreaListView.h"
#include "CodePageText.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "InputDialog.h"
#include "MainParts.h"
#include "model/document/DocumentCommands.h"
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

TEditorPanel::TEditorPanel(TMainParts& parts) : Parts(parts) {
    Connect();
}

// Text set from code runs the handlers too; they ignore it while the editor is being filled.
void TEditorPanel::Connect() {
    Ui::THauptformular& ui = Parts.Ui;
    connect(ui.eTitle, &QLineEdit::textChanged, this, &TEditorPanel::eTitleChange);
    connect(ui.eExclude, &QLineEdit::textChanged, this, &TEditorPanel::eExcludeChange);
    connect(ui.cbActive, &QCheckBox::toggled, this, &TEditorPanel::cbActiveClick);
    connect(ui.cbRequired, &QCheckBox::toggled, this, &TEditorPanel::cbRequiredClick);
    connect(ui.bbLocal, &QPushButton::clicked, this, &TEditorPanel::bbLocalClick);
    connect(ui.bbRemote, &QPushButton::clicked, this, &TEditorPanel::bbRemoteClick);
    connect(ui.bbFlattenAdd, &QPushButton::clicked, this, &TEditorPanel::bbFlattenAddClick);
    connect(ui.bbFlattenEdit, &QPushButton::clicked, this, &TEditorPanel::bbFlattenEditClick);
    connect(ui.bbFlattenDelete, &QPushButton::clicked, this, &TEditorPanel::bbFlattenDeleteClick);
    connect(ui.lbxFlatten, &QListWidget::itemDoubleClicked, this, &TEditorPanel::lbxFlattenDblClick);
    // The keystrokes of one General field form one step, as in the area editor.
    connect(ui.eCfgTitle, &QLineEdit::textChanged, this, [this](const QString& text) {
        ChangeGeneralField(
            "Title", [title = FieldToRecord(text)](TGeneral& general) { general.Title = title; }, true);
    });
    connect(ui.eDescription, &QLineEdit::textChanged, this, [this](const QString& text) {
        ChangeGeneralField(
            "Description",
            [description = FieldToRecord(text)](TGeneral& general) { general.Description = description; },
            true);
    });
    connect(ui.cbCleanOnExit, &QCheckBox::toggled, this, [this](bool checked) {
        ChangeGeneralField("Clean on Exit", [checked](TGeneral& general) { general.CleanOnExit = checked; });
    });
    for (QLineEdit* field : {ui.eTitle, ui.eExclude, ui.eCfgTitle, ui.eDescription})
        KeepRecordText(field, Parts.Status.Refusals());
}

void TEditorPanel::Clear() {
    Ui::THauptformular& ui = Parts.Ui;
    Updating = true;
    for (QLineEdit* field : {ui.eLayer, ui.eTitle, ui.eLocal, ui.eRemote, ui.eExclude})
        field->clear();
    ui.cbActive->setChecked(false);
    ui.cbRequired->setChecked(false);
    ui.lbxFlatten->clear();
    Updating = false;
    Enable(false, false);
    for (QWidget* field : {static_cast<QWidget*>(ui.eTitle), static_cast<QWidget*>(ui.eExclude),
                           static_cast<QWidget*>(ui.lbxFlatten)})
        field->setEnabled(false);
    ui.lReadOnly->hide();
}

void TEditorPanel::ShowArea(const TArea& area) {
    Ui::THauptformular& ui = Parts.Ui;
    Updating = true;
    SetTextIfDifferent(ui.eLayer, QString::number(area.Layer));
    SetTextIfDifferent(ui.eTitle, RecordToText(area.Title));
    SetTextIfDifferent(ui.eLocal, RecordToText(area.Local));
    SetTextIfDifferent(ui.eRemote, RecordToText(area.Remote));
    ui.cbActive->setChecked(area.Active);
    ui.cbRequired->setChecked(area.Required);
    SetTextIfDifferent(ui.eExclude, RecordToText(area.Exclude));
    ShowFlatten(ui.lbxFlatten, area.Flatten);
    Updating = false;
}

void TEditorPanel::ShowActive() {
    Updating = true;
    Parts.Ui.cbActive->setChecked(true);
    Updating = false;
}

void TEditorPanel::ShowGeneral(const TGeneral& general) {
    Ui::THauptformular& ui = Parts.Ui;
    Updating = true;
    SetTextIfDifferent(ui.eCfgTitle, RecordToText(general.Title));
    SetTextIfDifferent(ui.eDescription, RecordToText(general.Description));
    ui.cbCleanOnExit->setChecked(general.CleanOnExit);
    Updating = false;
}

void TEditorPanel::Enable(bool editable, bool activeMayChange) {
    Ui::THauptformular& ui = Parts.Ui;
    for (QLineEdit* field : {ui.eTitle, ui.eExclude}) {
        SetInfoColour(field, !editable);
        field->setReadOnly(!editable);
        field->setEnabled(true);
    }
    SetInfoColour(ui.lbxFlatten, !editable);
    ui.lbxFlatten->setEnabled(true);
    for (QWidget* control :
         {static_cast<QWidget*>(ui.bbLocal), static_cast<QWidget*>(ui.bbRemote),
          static_cast<QWidget*>(ui.cbRequired), static_cast<QWidget*>(ui.bbFlattenAdd),
          static_cast<QWidget*>(ui.bbFlattenEdit), static_cast<QWidget*>(ui.bbFlattenDelete)})
        control->setEnabled(editable);
    ui.cbActive->setEnabled(activeMayChange);
    ui.lReadOnly->setVisible(!editable);
}

void TEditorPanel::ChangeCurrentArea(const char* name, const std::function<void(TArea&)>& change,
                                     bool typed) {
    const TEditingSession& session = Parts.Session;
    if (Updating || !session.Current())
        return;
    const std::string runKey = typed ? name + std::to_string(session.Current()) : std::string();
    Parts.Core.PerformEdit(
        ChangeArea(session.Document(), session.Selected(), session.CurrentPosition(), name, change), runKey);
}

void TEditorPanel::ChangeGeneralField(const char* name, const std::function<void(TGeneral&)>& change,
                                      bool typed) {
    if (!Updating)
        Parts.Core.PerformEdit(ChangeGeneral(Parts.Document(), Parts.Session.Selected(), name, change),
                               typed ? name : "");
}

void TEditorPanel::eTitleChange() {
    ChangeCurrentArea(
        "Scenery Title",
        [title = FieldToRecord(Parts.Ui.eTitle->text())](TArea& area) { area.Title = title; }, true);
}

void TEditorPanel::eExcludeChange() {
    ChangeCurrentArea(
        "Exclude",
        [exclude = FieldToRecord(Parts.Ui.eExclude->text())](TArea& area) { area.Exclude = exclude; }, true);
}

void TEditorPanel::cbActiveClick() {
    ChangeCurrentArea("Active",
                      [active = Parts.Ui.cbActive->isChecked()](TArea& area) { area.Active = active; });
}

void TEditorPanel::cbRequiredClick() {
    ChangeCurrentArea(
        "Required", [required = Parts.Ui.cbRequired->isChecked()](TArea& area) { area.Required = required; });
}

void TEditorPanel::bbLocalClick() {
    BrowseFolder("Local Path", &TArea::Local);
}

void TEditorPanel::bbRemoteClick() {
    BrowseFolder("Remote Path", &TArea::Remote);
}

// Both folder buttons share the one picker, so each browse starts where the last one ended. The area
// keeps the folder in the host's form, relative to the host folder when it lies below it.
void TEditorPanel::BrowseFolder(const char* name, std::string TArea::*folder) {
    if (Updating || !Parts.Session.Current())
        return;
    if (stbPath.SelectedFolder().isEmpty())
        stbPath.SetSelectedFolder(QString::fromLocal8Bit(AddOnFolder(Parts.Services.Prefs.FSPath)));
    if (!stbPath.Execute(&Parts.Window))
        return;
    const std::optional<std::string> text = Parts.Marks.ReachableText(stbPath.SelectedFolder());
    if (!text)
        return;
    ChangeCurrentArea(name, [folder, text = *text](TArea& area) { area.*folder = text; });
    Parts.Marks.ShowCurrent();
}

void TEditorPanel::bbFlattenAddClick() {
    if (Updating || !Parts.Session.Current())
        return;
    const QString command =
        ShowInputDialog(u"Add flatten command"_s, FlattenCaption, QString(), Parts.Status.Refusals());
    if (!command.isEmpty())
        ChangeFlatten("Add flatten command",
                      [text = FieldToRecord(command)](std::vector<std::string>& commands) {
                          commands.push_back(text);
                      });
}

int TEditorPanel::CommandToChange() {
    return Updating || !Parts.Session.Current() ? -1 : SelectedCommand(Parts.Ui.lbxFlatten);
}

void TEditorPanel::bbFlattenEditClick() {
    const int row = CommandToChange();
    if (row < 0)
        return;
    const QString command = ShowInputDialog(u"Edit flatten command"_s, FlattenCaption,
                                            Parts.Ui.lbxFlatten->item(row)->text(), Parts.Status.Refusals());
    if (!command.isEmpty())
        ChangeFlatten("Edit flatten command",
                      [row, text = FieldToRecord(command)](std::vector<std::string>& commands) {
                          commands[static_cast<std::size_t>(row)] = text;
                      });
}

// The list box's double-click edits only while the row may be changed.
void TEditorPanel::lbxFlattenDblClick() {
    if (Parts.Session.CurrentPosition() >= ProtectedRows)
        bbFlattenEditClick();
}

void TEditorPanel::bbFlattenDeleteClick() {
    const int row = CommandToChange();
    if (row < 0 || !AskYesNo(u"Do you really want to delete the selected flatten command?"_s))
        return;
    ChangeFlatten("Delete flatten command",
                  [row](std::vector<std::string>& commands) { commands.erase(commands.begin() + row); });
}

void TEditorPanel::ChangeFlatten(const char* name,
                                 const std::function<void(std::vector<std::string>&)>& change) {
    ChangeCurrentArea(name, [&change](TArea& area) { change(area.Flatten); });
}
