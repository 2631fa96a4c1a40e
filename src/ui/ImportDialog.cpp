#include "ImportDialog.h"

#include "AreaSetFiles.h"
#include "ButtonKinds.h"
#include "FormLook.h"
#include "InfoDialogs.h"
#include "model/document/ListRules.h"
#include "model/format/QuarrowTypes.h"
#include "ui_ImportDialog.h"

using namespace Qt::Literals::StringLiterals;

TImportDlg::TImportDlg(const TPrefs& prefs, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      InsertMode(TInsertPlace::BeforeSelected), FPrefs(prefs), ui(std::make_unique<Ui::TImportDlg>()) {
    ui->setupUi(this);
    PrepareDialogForm(*this, 496, 81);
    SetInfoColour(ui->eFilename, true);
    MakeBrowseButton(ui->bbFilename);
    StyleOkButton(ui->bbOK);
    MakeCancelButton(ui->bbCancel, this);
    odOpen.Title = u"Select Area Set"_s;
    odOpen.Filter = AreaSetFilter;
    odOpen.DefaultExt = AreaSetExtension;
    connect(ui->bbFilename, &QPushButton::clicked, this, &TImportDlg::bbFilenameClick);
    connect(ui->rbBefore, &QRadioButton::clicked, this, &TImportDlg::rbBeforeClick);
    connect(ui->rbEnd, &QRadioButton::clicked, this, &TImportDlg::rbEndClick);
    connect(ui->bbOK, &QPushButton::clicked, this, &TImportDlg::bbOKClick);
}

TImportDlg::~TImportDlg() = default;

void TImportDlg::FormShow() {
    InsertMode = TInsertPlace::BeforeSelected;
}

void TImportDlg::bbFilenameClick() {
    if (odOpen.InitialDir.isEmpty())
        odOpen.InitialDir = QString::fromLocal8Bit(FPrefs.SetPath);
    if (!odOpen.Execute(this))
        return;
    FileName = odOpen.FileName;
    ui->eFilename->setText(FileName);
}

void TImportDlg::rbBeforeClick() {
    InsertMode = TInsertPlace::BeforeSelected;
}

void TImportDlg::rbEndClick() {
    InsertMode = TInsertPlace::AtEnd;
}

void TImportDlg::bbOKClick() {
    if (!FileName.isEmpty()) {
        accept();
        return;
    }
    ShowError(u"No Area Set selected!"_s);
    ui->bbFilename->setFocus();
}
