#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Hands the next modal dialog of type T to action once it is up; the caller then runs the code that
// opens it. Gives up (and fails) after about five seconds so a missing dialog cannot hang the suite.
template <class T> void WhenModal(std::function<void(T*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, qApp, [action, triesLeft] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && dialog->isVisible())
            action(dialog);
        else if (triesLeft > 0)
            WhenModal<T>(action, triesLeft - 1);
        else
            ADD_FAILURE() << "no modal dialog appeared";
    });
}

// Runs the event loop until the condition holds (true) or about five seconds have passed (false), for
// what a dialog does in the background, such as reading a folder.
inline bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.hasExpired(5000))
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}
