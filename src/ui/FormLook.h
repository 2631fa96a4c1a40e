#pragma once

class QIcon;
class QLineEdit;
class QString;
class QWidget;

// Where a form opens: the middle of the screen it is on.
void CentreOnScreen(QWidget& form);
// Fields the user cannot type into have the info (tooltip) background; editable ones the normal one.
void SetInfoColour(QWidget* field, bool info);
// The program's icon in every size it is drawn in, for the windows and the task bar.
QIcon ProgramIcon();
// Qt's setText resets caret and selection even for the same text, so an unchanged field is left alone.
void SetTextIfDifferent(QLineEdit* field, const QString& text);
