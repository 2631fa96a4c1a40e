#include "BuddyFocus.h"

#include <QEvent>
#include <QLabel>

namespace {

class TBuddyFocusFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return false;
        if (QWidget* buddy = static_cast<QLabel*>(watched)->buddy())
            buddy->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
};

} // namespace

void FocusBuddiesOnly(QWidget* form) {
    for (QLabel* label : form->findChildren<QLabel*>())
        if (label->buddy())
            label->installEventFilter(new TBuddyFocusFilter(label));
}
