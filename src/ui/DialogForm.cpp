#include "DialogForm.h"

#include "BuddyFocus.h"
#include "FormFont.h"
#include "FormLook.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

void PrepareDialogForm(QDialog& form, int clientWidth, int clientHeight) {
    form.setFixedSize(clientWidth, clientHeight);
    form.setFont(FormFont());
    for (QLabel* label : form.findChildren<QLabel*>())
        label->adjustSize();
    FocusBuddiesOnly(&form);
    CentreOnScreen(form);
}

void MakeBrowseButton(QPushButton* button) {
    button->setIcon(button->style()->standardIcon(QStyle::SP_DirOpenIcon));
}

void TFormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
