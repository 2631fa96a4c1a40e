#pragma once

class QDialog;
class QPushButton;

// Buttons of kind OK and Cancel look and act alike in every dialog.
// Kind OK: "OK" with a tick, the default button (Enter), closes its dialog with OK.
void MakeOkButton(QPushButton* button, QDialog* dialog);
// The look of kind OK for a button whose dialog checks its fields before it closes itself.
void StyleOkButton(QPushButton* button);
// Kind Cancel: "Abbrechen" with a cross, closes its dialog with Cancel (as Escape does).
void MakeCancelButton(QPushButton* button, QDialog* dialog);
