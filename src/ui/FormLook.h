#pragma once

class QIcon;
class QWidget;

// Where a form opens: the middle of the screen it is on.
void CentreOnScreen(QWidget& form);
// Fields the user cannot type into have the info (tooltip) background; editable ones the normal one.
void SetInfoColour(QWidget* field, bool info);
// The program's icon in every size it is drawn in, for the windows and the task bar.
QIcon ProgramIcon();
