#include "NewFoldersDialog.h"

#include "ButtonKinds.h"
#include "ui_NewFoldersDialog.h"

TNewFoldersDlg::TNewFoldersDlg(const QStringList& shown, const QStringList& folders, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TNewFoldersDlg>()), FFolders(folders) {
    ui->setupUi(this);
    PrepareDialogForm(*this, 420, 300);
    MakeOkButton(ui->bbAdd, this);
    ui->bbAdd->setText(QStringLiteral("Add"));
    MakeCancelButton(ui->bbCancel, this);
    for (const QString& text : shown) {
        auto* item = new QListWidgetItem(text, ui->lbxFolders);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

TNewFoldersDlg::~TNewFoldersDlg() = default;

void TNewFoldersDlg::FormShow() {
    ui->lbxFolders->setFocus();
}

QStringList TNewFoldersDlg::Checked() const {
    QStringList checked;
    for (int row = 0; row < ui->lbxFolders->count(); ++row)
        if (ui->lbxFolders->item(row)->checkState() == Qt::Checked)
            checked.append(FFolders.value(row));
    return checked;
}
