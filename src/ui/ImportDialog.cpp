#include "ImportDialog.h"

#include "AreaSetFiles.h"
#include "BuddyFocus.h"
#include "ButtonKinds.h"
#include "FormFont.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "model/Global.h"
#include "model/ListRules.h"
#include "ui_ImportDialog.h"

#include <QShowEvent>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

TImportDlg::TImportDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), InsertMode(InsertBeforeSelected),
      ui(std::make_unique<Ui::TImportDlg>()) {
    ui->setupUi(this);
    setFixedSize(496, 81);
    setFont(FormFont());
    SetInfoColour(ui->eFilename, true);
    ui->bbFilename->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    StyleOkButton(ui->bbOK);
    MakeCancelButton(ui->bbCancel, this);
    for (QLabel* label : {ui->Label1, ui->Label2})
        label->adjustSize();
    FocusBuddiesOnly(this);
    odOpen.Title = u"Select Area Set"_s;
    odOpen.Filter = AreaSetFilter;
    odOpen.DefaultExt = AreaSetExtension;
    connect(ui->bbFilename, &QPushButton::clicked, this, &TImportDlg::bbFilenameClick);
    connect(ui->rbBefore, &QRadioButton::clicked, this, &TImportDlg::rbBeforeClick);
    connect(ui->rbEnd, &QRadioButton::clicked, this, &TImportDlg::rbEndClick);
    connect(ui->bbOK, &QPushButton::clicked, this, &TImportDlg::bbOKClick);
    CentreOnScreen(*this);
}

TImportDlg::~TImportDlg() = default;

void TImportDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TImportDlg::FormShow() {
    InsertMode = InsertBeforeSelected;
}

void TImportDlg::bbFilenameClick() {
    if (odOpen.InitialDir.isEmpty())
        odOpen.InitialDir = QString::fromLocal8Bit(Prefs->SetPath);
    if (!odOpen.Execute(this))
        return;
    FileName = odOpen.FileName;
    ui->eFilename->setText(FileName);
}

void TImportDlg::rbBeforeClick() {
    InsertMode = InsertBeforeSelected;
}

void TImportDlg::rbEndClick() {
    InsertMode = InsertAtEnd;
}

void TImportDlg::bbOKClick() {
    if (!FileName.isEmpty()) {
        accept();
        return;
    }
    ShowError(u"No Area Set selected!"_s);
    ui->bbFilename->setFocus();
}
