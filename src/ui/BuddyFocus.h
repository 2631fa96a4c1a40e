#pragma once

class QWidget;

// Makes the accelerator of every label below the form with a buddy move the focus to that buddy and
// do nothing else: Qt itself clicks a buddy that is a button, which would open a picker unasked.
void FocusBuddiesOnly(QWidget* form);
