#include "ButtonKinds.h"

#include <QDialog>
#include <QPushButton>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

void MakeOkButton(QPushButton* button, QDialog* dialog) {
    button->setText(u"OK"_s);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogOkButton));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
}

void MakeCancelButton(QPushButton* button, QDialog* dialog) {
    button->setText(u"Abbrechen"_s);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogCancelButton));
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
}
