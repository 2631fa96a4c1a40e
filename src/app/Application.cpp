#include "app/Application.h"

#include "CodePageText.h"
#include "InfoDialogs.h"
#include "model/format/InOutError.h"

TQuarrowApplication::TQuarrowApplication(int& argc, char** argv) : QApplication(argc, argv) {
    UseCodePage(FCodePage);
    UseAlertSound(FSound);
}

bool TQuarrowApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EInOutError& failure) {
        ShowErrorReport(ErrorReportText(QString::fromUtf8(failure.what())));
        return false;
    }
}

QString ErrorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > u'.') {
        return message + u'.';
    }
    return message;
}
