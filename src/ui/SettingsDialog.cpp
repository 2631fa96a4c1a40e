#include "SettingsDialog.h"

#include "ButtonKinds.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "model/prefs/Global.h"
#include "ui_SettingsDialog.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// The preferences hold folders in the local 8-bit encoding; the dialog shows them in the platform's own form.
QString Shown(const std::string& folder) {
    return QDir::toNativeSeparators(QString::fromLocal8Bit(folder));
}

std::string Stored(const QString& folder) {
    return QDir::toNativeSeparators(folder).toLocal8Bit().toStdString();
}

} // namespace

TSettingsDlg::TSettingsDlg(const THostLocator& host, TPrefs& prefs, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Host(host), FPrefs(prefs),
      ui(std::make_unique<Ui::TSettingsDlg>()) {
    ui->setupUi(this);
    PrepareDialogForm(*this, 630, 99);
    for (QLineEdit* field : {ui->eFSPath, ui->eSetPath})
        SetInfoColour(field, true);
    MakeBrowseButton(ui->bbFSPath);
    MakeBrowseButton(ui->bbSetPath);
    StyleOkButton(ui->bbOK);
    MakeCancelButton(ui->bbCancel, this);
    // The host's file names come from Windows: the dialog's name filter matches any letter case.
    odFSPath.Title = u"Select Flight Simulator 2004 Path"_s;
    odFSPath.Filter = u"Flight Simulator 2004 (fs9.exe)|fs9.exe"_s;
    odFSPath.DefaultExt = u"EXE"_s;
    odFSPath.FileName = u"FS9.exe"_s;
    connect(ui->bbFSPath, &QPushButton::clicked, this, &TSettingsDlg::bbFSPathClick);
    connect(ui->bbSetPath, &QPushButton::clicked, this, &TSettingsDlg::bbSetPathClick);
    connect(ui->bbOK, &QPushButton::clicked, this, &TSettingsDlg::bbOKClick);
}

TSettingsDlg::~TSettingsDlg() = default;

// Without a stored host folder the host key's folder is offered; the preferences stay as they are until OK.
void TSettingsDlg::FormShow() {
    const std::string fsPath =
        FPrefs.FSPath.empty() ? HostKeyFolder(Host).value_or(std::string()) : FPrefs.FSPath;
    ui->eFSPath->setText(Shown(fsPath));
    ui->cbBackup->setChecked(FPrefs.Backup);
    ui->eSetPath->setText(Shown(FPrefs.SetPath));
}

void TSettingsDlg::bbFSPathClick() {
    // A stored folder that has gone still leads the picker near it: the picker starts at the nearest
    // folder above it that exists.
    if (!FPrefs.FSPath.empty())
        odFSPath.InitialDir = Shown(FPrefs.FSPath);
    if (!odFSPath.Execute(this))
        return;
    FPrefs.FSPath = WithTrailingSeparator(Stored(QFileInfo(odFSPath.FileName).absolutePath()));
    ui->eFSPath->setText(Shown(FPrefs.FSPath));
}

void TSettingsDlg::bbSetPathClick() {
    if (!FPrefs.SetPath.empty())
        stbSetPath.SetSelectedFolder(Shown(FPrefs.SetPath));
    if (!stbSetPath.Execute(this))
        return;
    FPrefs.SetPath = Stored(stbSetPath.SelectedFolder());
    ui->eSetPath->setText(Shown(FPrefs.SetPath));
}

void TSettingsDlg::bbOKClick() {
    const std::string fsPath = WithTrailingSeparator(Stored(ui->eFSPath->text()));
    if (!Host.HoldsHost(fsPath)) {
        ShowPlainError(u"FS2004 not found!"_s);
        ui->bbFSPath->setFocus();
        return;
    }
    if (FPrefs.SetPath.empty()) {
        ShowPlainError(u"No set path selected!"_s);
        ui->bbSetPath->setFocus();
        return;
    }
    FPrefs.FSPath = fsPath;
    FPrefs.Backup = ui->cbBackup->isChecked();
    accept();
}
