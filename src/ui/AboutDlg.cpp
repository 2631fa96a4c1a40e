#include "AboutDlg.h"

#include "ButtonKinds.h"
#include "FormFont.h"
#include "FormLook.h"
#include "ui_AboutDlg.h"

using namespace Qt::Literals::StringLiterals;

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ui(std::make_unique<Ui::TAboutBox>()) {
    ui->setupUi(this);
    setFont(FormFont());
    QFont productFont(u"Arial"_s, 16);
    productFont.setStyleHint(QFont::SansSerif);
    productFont.setBold(true);
    ui->ProductName->setFont(productFont);
    ui->ProgramIcon->setPixmap(QPixmap(u":/icons/128.png"_s));
    MakeOkButton(ui->OKButton, this);
    setFixedSize(361, 228);
    CentreOnScreen(*this);
}

TAboutBox::~TAboutBox() = default;
