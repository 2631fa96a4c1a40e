#include "app/Application.h"
#include "InfoDialogs.h"
#include "ModalDriver.h"
#include "app/SystemAlertSound.h"
#include "model/format/InOutError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// Throws the failure of its code for a user event, the way a command meets a file output failure.
class TFailingObject : public QObject {
public:
    explicit TFailingObject(int code) : FCode(code) {}
    int Handled = 0;

    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw EInOutError(FCode);
        }
        if (event->type() == QEvent::Type(QEvent::User + 1)) {
            ++Handled;
            return true;
        }
        return QObject::event(event);
    }

private:
    int FCode;
};

void PostFailureThenOther(TFailingObject& object) {
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&object);
}

class ErrorReportTest : public testing::TestWithParam<std::pair<int, QString>> {};

TEST_P(ErrorReportTest, ReportsTheFailureAndGoesOn) {
    ASSERT_NE(dynamic_cast<TQuarrowApplication*>(QCoreApplication::instance()), nullptr);
    TBoxRecorder recorder;
    TFailingObject object(GetParam().first);
    PostFailureThenOther(object);

    ASSERT_EQ(recorder.Boxes().size(), 1U);
    EXPECT_EQ(recorder.Boxes()[0].Kind, TBoxKind::Report);
    EXPECT_EQ(recorder.Boxes()[0].Title, u"Quarrow"_s);
    EXPECT_EQ(recorder.Boxes()[0].Text, GetParam().second);
    EXPECT_EQ(recorder.Beeps(), 0);
    EXPECT_EQ(object.Handled, 1);
}

INSTANTIATE_TEST_SUITE_P(Codes, ErrorReportTest,
                         testing::Values(std::pair(2, u"Datei nicht gefunden."_s),
                                         std::pair(3, u"Ung\u00fcltiger Dateiname."_s),
                                         std::pair(4, u"Zu viele ge\u00f6ffnete Dateien."_s),
                                         std::pair(5, u"Dateizugriff verweigert."_s),
                                         std::pair(101, u"Zu wenig Speicherplatz."_s),
                                         std::pair(32, u"E/A-Fehler 32."_s)));

TEST(ErrorReportLoopTest, RealBoxDuringTheEventLoop) {
    TFailingObject object(EInOutError::DiskFull);
    QString title;
    QString text;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        box->buttons().front()->click();
    });
    PostFailureThenOther(object);
    EXPECT_EQ(title, u"Quarrow"_s);
    EXPECT_EQ(text, u"Zu wenig Speicherplatz."_s);
    EXPECT_EQ(object.Handled, 1);
}

// A button whose command fails, connected as the program connects such commands (queued): each click
// is reported and the button stays usable.
TEST(ErrorReportLoopTest, FailingClickIsReportedEachTime) {
    TBoxRecorder recorder;
    QPushButton button(u"Save"_s);
    QObject::connect(
        &button, &QPushButton::clicked, &button, [] { throw EInOutError(EInOutError::AccessDenied); },
        Qt::QueuedConnection);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(recorder.Boxes().size(), 2U);
    EXPECT_EQ(recorder.Boxes()[1].Text, u"Dateizugriff verweigert."_s);
    EXPECT_FALSE(button.isDown());
}

TEST(ErrorReportTextTest, FullStopOnlyAfterCharactersSortingAfterIt) {
    const std::vector<std::pair<QString, QString>> cases = {
        {u"Fehler"_s, u"Fehler."_s},  {u"Fehler."_s, u"Fehler."_s},
        {u"Fehler!"_s, u"Fehler!"_s}, {u"Code 7"_s, u"Code 7."_s},
        {u"(x)"_s, u"(x)"_s},         {u"a-"_s, u"a-"_s},
        {u"a/"_s, u"a/."_s},          {u""_s, u""_s}};
    for (const auto& [message, expected] : cases) {
        EXPECT_EQ(ErrorReportText(message), expected) << message.toStdString();
    }
}

#ifdef Q_OS_WIN
// Each box that beeps plays the system's sound of its kind, as Windows programs do.
TEST(BoxSoundTest, EachKindPlaysItsSystemSound) {
    const std::pair<TAlertKind, unsigned> sounds[] = {{TAlertKind::Error, MB_ICONHAND},
                                                      {TAlertKind::Warning, MB_ICONEXCLAMATION},
                                                      {TAlertKind::Question, MB_ICONQUESTION},
                                                      {TAlertKind::Information, MB_ICONASTERISK}};
    for (const auto& [kind, sound] : sounds) {
        EXPECT_EQ(BoxSound(kind), sound);
        EXPECT_TRUE(MessageBeep(BoxSound(kind)));
    }
}
#endif

} // namespace
