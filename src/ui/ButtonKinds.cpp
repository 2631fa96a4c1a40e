#include "ButtonKinds.h"

#include <QDialog>
#include <QPushButton>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

void StyleOkButton(QPushButton* button) {
    button->setText(u"OK"_s);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogOkButton));
    button->setDefault(true);
}

void MakeOkButton(QPushButton* button, QDialog* dialog) {
    StyleOkButton(button);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
}

void MakeCancelButton(QPushButton* button, QDialog* dialog) {
    button->setText(u"Abbrechen"_s);
    button->setIcon(button->style()->standardIcon(QStyle::SP_DialogCancelButton));
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
}
