#include "MenuKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class TMenuKeysFilter : public QObject {
public:
    TMenuKeysFilter(const QList<QAction*>& items, QObject* parent) : QObject(parent), FItems(items) {}

protected:
    // Refusing the override lets the menu's shortcut have the key; the key press that follows when
    // the item is disabled is dropped.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item : FItems)
            if (item->shortcuts().contains(pressed))
                return true;
        return false;
    }

private:
    QList<QAction*> FItems;
};

} // namespace

void RouteKeysToMenu(QWidget* form, const QList<QAction*>& items) {
    auto* filter = new TMenuKeysFilter(items, form);
    for (QLineEdit* field : form->findChildren<QLineEdit*>())
        field->installEventFilter(filter);
}
