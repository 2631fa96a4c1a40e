#pragma once

class QDialog;
class QPushButton;

// The common make of the program's fixed dialogs: the client size, the form font, labels as wide as
// their texts, label accelerators that only focus their buddies, and a place in the middle of the screen.
void PrepareDialogForm(QDialog& form, int clientWidth, int clientHeight);
// The small button beside a read-only field that opens a picker.
void MakeBrowseButton(QPushButton* button);
