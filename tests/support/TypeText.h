#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Types text as a keyboard layout delivers it, one character a key; QTest's own typing takes ASCII only.
inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(i, length));
        QApplication::sendEvent(widget, &press);
        i += length;
    }
}
