#pragma once

#include <QApplication>
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
