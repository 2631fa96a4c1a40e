#include "InputDialog.h"

#include "ButtonKinds.h"
#include "DialogRecorder.h"
#include "FormFont.h"
#include "ui_InputDialog.h"

#include <algorithm>

namespace {
void PaintBlack(QWidget* widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::black);
    widget->setPalette(palette);
}
} // namespace

QString ShowInputDialog(const QString& prompt, const QString& caption, const QString& initial,
                        TRefusalReport report) {
    if (TDialogRecorder* seam = TDialogRecorder::Active())
        return RecordText(seam->Respond({TDialogKind::Input, caption, prompt, initial}).value_or(QString()));
    TInputDialogForm form(prompt, caption, initial, std::move(report));
    return form.exec() == QDialog::Accepted ? form.Text() : QString();
}

TInputDialogForm::TInputDialogForm(const QString& prompt, const QString& caption, const QString& initial,
                                   TRefusalReport report, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TInputDialogForm>()) {
    ui->setupUi(this);
    setFixedSize(429, 64);
    setFont(FormFont());
    PaintBlack(this);
    MakeOkButton(ui->bbOk, this);
    MakeCancelButton(ui->bbCancel, this);
    KeepRecordText(ui->eInput, std::move(report));
    setWindowTitle(caption);
    ui->lText->setText(prompt);
    ui->eInput->setText(initial);
}

TInputDialogForm::~TInputDialogForm() = default;

QString TInputDialogForm::Text() const {
    return ui->eInput->text();
}

// The field starts 10 pixels right of the prompt; its right edge stays where the form put it.
void TInputDialogForm::FormShow() {
    ui->lText->adjustSize();
    const QRect field = ui->eInput->geometry();
    const int left = ui->lText->x() + ui->lText->width() + 10;
    ui->eInput->setGeometry(left, field.y(), std::max(0, field.right() + 1 - left), field.height());
}
