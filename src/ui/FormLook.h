#pragma once

class QWidget;

// Where a form opens: the middle of the screen it is on.
void CentreOnScreen(QWidget& form);
// Fields the user cannot type into have the info (tooltip) background; editable ones the normal one.
void SetInfoColour(QWidget* field, bool info);
