#pragma once

#include <QDialog>

class QPushButton;

// A dialog whose FormShow runs each time the program shows it, not when the window system shows it
// again (after minimising, for example).
class TFormDialog : public QDialog {
public:
    using QDialog::QDialog;
    virtual void FormShow() = 0;

protected:
    void showEvent(QShowEvent* event) override;
};

// The common make of the program's fixed dialogs: the client size, the form font, labels as wide as
// their texts, label accelerators that only focus their buddies, and a place in the middle of the screen.
void PrepareDialogForm(QDialog& form, int clientWidth, int clientHeight);
// The small button beside a read-only field that opens a picker.
void MakeBrowseButton(QPushButton* button);
