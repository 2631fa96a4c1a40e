#include "Main.h"

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"
#include "model/Global.h"
#include "platform/AnsiCodec.h"
#include "platform/FileCopy.h"
#include "platform/FileTextOutput.h"
#include "ui_Main.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

// Sections from 2000 on are never read back: a longer list would lose its last areas on the next load.
constexpr int MaxSavedAreas = 1999;

QString HostFile(const char* name) {
    return QString::fromLocal8Bit(Prefs->FSPath + name);
}

} // namespace

QString THauptformular::SceneryCfgPath() {
    return HostFile("Scenery.cfg");
}

void THauptformular::bbSaveClick() {
    if (lvAreas->RowCount() > MaxSavedAreas) {
        ShowError(u"Scenery.cfg not saved! The list holds %1 areas, but at most %2 areas can be saved."_s
                      .arg(lvAreas->RowCount())
                      .arg(MaxSavedAreas));
        return;
    }
    Renumber();
    General.Title = FieldTextToAnsi(ui->eCfgTitle->text());
    General.Description = FieldTextToAnsi(ui->eDescription->text());
    General.CleanOnExit = ui->cbCleanOnExit->isChecked();
    if (!BackupGoesAhead()) {
        ShowError(u"Scenery.cfg not saved!"_s);
        return;
    }
    WriteSceneryCfg();
    Modified = false;
}

// The old file is copied to the backup first when the preference asks for it; the user decides
// whether to go on without one.
bool THauptformular::BackupGoesAhead() {
    if (!Prefs->Backup || CopyFileReplacing(SceneryCfgPath(), HostFile("Scenery.qrw")))
        return true;
    return AskYesNo(u"Backup file could not be created. Overwrite scenery.cfg anyway?"_s);
}

// The new file replaces the old one only when it is complete: a failure part way (a full disk, a
// removed medium) throws before the commit and leaves the user's Scenery.cfg as it was.
void THauptformular::WriteSceneryCfg() {
    const std::unique_ptr<TFileTextOutput> output = CreateOutput(SceneryCfgPath());
    General.WriteTo(*output);
    for (int position = 0; position < lvAreas->RowCount(); ++position)
        lvAreas->Row(position)->Area().WriteTo(*output);
    output->Commit();
}

void THauptformular::bbRevertClick() {
    if (!Modified || AskYesNo(u"Changes will be lost. Continue anyway?"_s))
        ReloadAll();
}

bool THauptformular::FormCloseQuery() {
    return !Modified || AskYesNo(u"Changes will be lost. Quit anyway?"_s);
}

// The close box, Alt+F4 and "E&xit" all arrive here.
void THauptformular::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
