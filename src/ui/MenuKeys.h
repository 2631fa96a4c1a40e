#pragma once

#include <QList>

class QAction;
class QWidget;

// Hands the keys of these menu items to the menu even inside the form's edit fields, which would
// otherwise take Ctrl+X, Ctrl+C and Ctrl+V for themselves: an enabled item runs its command, a
// disabled one swallows the key.
void RouteKeysToMenu(QWidget* form, const QList<QAction*>& items);
