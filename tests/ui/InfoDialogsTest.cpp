#include "InfoDialogs.h"
#include "ModalDriver.h"
#include "support/CaseName.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the real box showed before the test closed it.
struct TSeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
};

TSeenBox Seen(QMessageBox* box) {
    TSeenBox seen{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons()) {
        seen.Buttons.append(button->text());
    }
    seen.Buttons.sort();
    return seen;
}

QAbstractButton* ButtonNamed(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

enum class TClose { Ok, Yes, No, Escape, CloseBox };

// Shows a real modal box through call, closes it the given way once it is up, and reports what it showed.
template <class TCall> TSeenBox DriveBox(TCall call, TClose close) {
    TSeenBox seen;
    WhenModal<QMessageBox>([&seen, close](QMessageBox* box) {
        seen = Seen(box);
        if (close == TClose::Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else if (close == TClose::CloseBox)
            box->close();
        else
            ButtonNamed(box, close == TClose::Ok    ? u"OK"_s
                             : close == TClose::Yes ? u"&Ja"_s
                                                    : u"&Nein"_s)
                ->click();
    });
    call();
    return seen;
}

struct TOkBoxCase {
    const char* Name;
    void (*Show)(const QString&);
    QString Title;
    QMessageBox::Icon Icon;
};

class RealOkBoxTest : public testing::TestWithParam<TOkBoxCase> {};

TEST_P(RealOkBoxTest, ShowsTitleTextAndOk) {
    const TOkBoxCase& c = GetParam();
    const TSeenBox seen = DriveBox([&c] { c.Show(u"Something happened"_s); }, TClose::Ok);
    EXPECT_EQ(seen.Title, c.Title);
    EXPECT_EQ(seen.Text, u"Something happened"_s);
    EXPECT_EQ(seen.Icon, c.Icon);
    EXPECT_EQ(seen.Buttons, QStringList{u"OK"_s});
}

const TOkBoxCase OkBoxCases[] = {
    {"Error", ShowError, u"Fehler"_s, QMessageBox::Critical},
    {"Warning", ShowWarning, u"Warnung"_s, QMessageBox::Warning},
    {"PlainError", ShowPlainError, u"Fehler"_s, QMessageBox::Critical},
    {"Report", ShowErrorReport, u"Quarrow"_s, QMessageBox::Critical},
};

INSTANTIATE_TEST_SUITE_P(Kinds, RealOkBoxTest, testing::ValuesIn(OkBoxCases), CaseName);

class RealQuestionTest : public testing::TestWithParam<std::pair<TClose, bool>> {};

TEST_P(RealQuestionTest, TrueOnlyOnYes) {
    bool answer = !GetParam().second;
    const TSeenBox seen = DriveBox([&answer] { answer = AskYesNo(u"Delete it?"_s); }, GetParam().first);
    EXPECT_EQ(answer, GetParam().second);
    EXPECT_EQ(seen.Title, u"Best\u00e4tigung"_s);
    EXPECT_EQ(seen.Text, u"Delete it?"_s);
    EXPECT_EQ(seen.Icon, QMessageBox::Question);
    EXPECT_EQ(seen.Buttons, (QStringList{u"&Ja"_s, u"&Nein"_s}));
}

INSTANTIATE_TEST_SUITE_P(Ways, RealQuestionTest,
                         testing::Values(std::pair(TClose::Yes, true), std::pair(TClose::No, false),
                                         std::pair(TClose::Escape, false),
                                         std::pair(TClose::CloseBox, false)));

// The seam records what the real boxes show, and beeps where they beep.
TEST(BoxRecorderTest, RecordsKindTitleTextAndBeeps) {
    TBoxRecorder recorder;
    ShowError(u"e"_s);
    ShowWarning(u"w"_s);
    ShowPlainError(u"p"_s);
    ShowErrorReport(u"r"_s);
    EXPECT_EQ(recorder.Beeps(), 2);
    recorder.AnswerNext(true);
    recorder.AnswerNext(false);
    EXPECT_TRUE(AskYesNo(u"q1"_s));
    EXPECT_FALSE(AskYesNo(u"q2"_s));
    EXPECT_FALSE(AskYesNo(u"q3"_s));
    EXPECT_EQ(recorder.Beeps(), 5);

    const std::vector<std::tuple<TBoxKind, QString, QString>> expected = {
        {TBoxKind::Error, u"Fehler"_s, u"e"_s},
        {TBoxKind::Warning, u"Warnung"_s, u"w"_s},
        {TBoxKind::PlainError, u"Fehler"_s, u"p"_s},
        {TBoxKind::Report, u"Quarrow"_s, u"r"_s},
        {TBoxKind::Confirmation, u"Best\u00e4tigung"_s, u"q1"_s},
        {TBoxKind::Confirmation, u"Best\u00e4tigung"_s, u"q2"_s},
        {TBoxKind::Confirmation, u"Best\u00e4tigung"_s, u"q3"_s}};
    ASSERT_EQ(recorder.Boxes().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TShownBox& box = recorder.Boxes()[i];
        EXPECT_EQ(std::tie(box.Kind, box.Title, box.Text), expected[i]) << "box " << i;
    }
}

} // namespace
