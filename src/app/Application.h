#pragma once

#include <QApplication>

// The program's application object. A file output failure that no command handles ends up here:
// the event that raised it is abandoned, the default error report shows the failure's text, and the
// event loop goes on with the next event.
class TQuarrowApplication : public QApplication {
public:
    TQuarrowApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The report's text for a failure message: a full stop is added when the last character sorts after '.'.
QString ErrorReportText(const QString& message);
