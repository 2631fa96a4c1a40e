#pragma once

#include "app/SystemAlertSound.h"
#include "platform/SystemCodePage.h"

#include <QApplication>

// The program's application object. A file output failure that no command handles ends up here:
// the event that raised it is abandoned, the default error report shows the failure's text, and the
// event loop goes on with the next event. Commands that can fail are connected queued, so a failure
// crosses only QtCore's exception-safe frames on its way here: Qt's widget code is built without
// exception support and would leak or keep stale state if a failure unwound through it.
class TQuarrowApplication : public QApplication {
public:
    TQuarrowApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    // What the windows take from the system; they get it before any of them exists.
    TSystemCodePage FCodePage;
    TSystemAlertSound FSound;
};

// The report's text for a failure message: a full stop is added when the last character sorts after '.'.
QString ErrorReportText(const QString& message);
