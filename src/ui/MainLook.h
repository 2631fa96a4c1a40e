#pragma once

class QMainWindow;
namespace Ui {
class THauptformular;
}

// The main window's look: its fixed size, the fonts and colours of its labels and read-only fields,
// the buttons' glyphs, and its place in the middle of the screen.
void ApplyMainLook(QMainWindow& window, Ui::THauptformular& ui);
