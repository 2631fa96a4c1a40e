#include "ui/InputDialog.h"
#include "ModalDriver.h"
#include "support/TypeText.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
template <class T> T* Child(QWidget* form, const QString& name) {
    T* child = form->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

TEST(InputDialogForm, ShowsPromptTitleAndButtons) {
    TInputDialogForm form(u"Add flatten command"_s, u"Flatten.x="_s, QString());
    EXPECT_EQ(form.windowTitle(), u"Flatten.x="_s);
    EXPECT_EQ(Child<QLabel>(&form, u"lText"_s)->text(), u"Add flatten command"_s);
    EXPECT_EQ(Child<QPushButton>(&form, u"bbOk"_s)->text(), u"OK"_s);
    EXPECT_TRUE(Child<QPushButton>(&form, u"bbOk"_s)->isDefault());
    EXPECT_EQ(Child<QPushButton>(&form, u"bbCancel"_s)->text(), u"Abbrechen"_s);
}

// The field starts 10 pixels right of the prompt, whatever its length, and always ends at x 420.
TEST(InputDialogForm, FieldFollowsThePromptKeepingItsRightEdge) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Qt's offscreen platform has no font database on Windows: every glyph is a box there, so "
                    "no text width means anything; the real window is looked at instead.";
#endif
    for (const QString& prompt : {u"x"_s, u"Edit flatten command"_s,
                                  u"A much longer prompt that needs far more room than the form gives"_s}) {
        TInputDialogForm form(prompt, u"Flatten.x="_s, QString());
        form.show();
        const QWidget* label = Child<QLabel>(&form, u"lText"_s);
        const QRect field = Child<QLineEdit>(&form, u"eInput"_s)->geometry();
        EXPECT_EQ(field.left(), label->x() + label->width() + 10) << prompt.toStdString();
        EXPECT_EQ(field.right(), 152 + 269 - 1) << prompt.toStdString();
        EXPECT_EQ(field.top(), 4);
        if (label->width() > 136) {
            EXPECT_LT(field.width(), 269) << prompt.toStdString();
        }
        form.hide();
        form.show(); // a second show must not move the field again
        EXPECT_EQ(Child<QLineEdit>(&form, u"eInput"_s)->geometry(), field);
    }
}

TEST(InputDialogForm, LineBreaksAndNulBecomeBlanksAsTheyEnter) {
    TInputDialogForm form(u"Edit flatten command"_s, u"Flatten.x="_s, u"one\r\ntwo"_s);
    auto* edit = Child<QLineEdit>(&form, u"eInput"_s);
    EXPECT_EQ(form.Text(), u"one  two"_s);
    edit->setText(QString());
    QGuiApplication::clipboard()->setText(u"a\nb"_s + QChar::Null + u"c\r"_s);
    edit->paste();
    EXPECT_EQ(form.Text(), u"a b c "_s);
    EXPECT_EQ(edit->cursorPosition(), 6);
}

struct TClosing {
    QString Initial;
    QString Typed;
    std::function<void(TInputDialogForm*)> Close;
    QString Expected;
};

// The real modal dialog, closed by Enter, Escape, or a click on either button.
TEST(ShowInputDialog, ReturnsTheTextOnlyWhenConfirmed) {
    const auto key = [](Qt::Key k) {
        return [k](TInputDialogForm* form) { QTest::keyClick(form->findChild<QLineEdit*>(u"eInput"_s), k); };
    };
    const auto click = [](const QString& name) {
        return [name](TInputDialogForm* form) {
            QTest::mouseClick(form->findChild<QPushButton*>(name), Qt::LeftButton);
        };
    };
    const TClosing cases[] = {
        {QString(), u"N47 E011 500"_s, key(Qt::Key_Return), u"N47 E011 500"_s},
        {u"old"_s, u" new"_s, key(Qt::Key_Enter), u"old new"_s},
        {u"old"_s, QString(), click(u"bbOk"_s), u"old"_s},
        {u"old"_s, u"x"_s, key(Qt::Key_Escape), QString()},
        {u"old"_s, u"x"_s, click(u"bbCancel"_s), QString()},
        {u"a\nb"_s, QString(), click(u"bbOk"_s), u"a b"_s},
        {u"a"_s, u"Ω b😀"_s, click(u"bbOk"_s), u"a b"_s},
    };
    for (const TClosing& c : cases) {
        QString title;
        WhenModal<TInputDialogForm>([&](TInputDialogForm* form) {
            title = form->windowTitle();
            TypeText(form->findChild<QLineEdit*>(u"eInput"_s), c.Typed);
            c.Close(form);
        });
        EXPECT_EQ(ShowInputDialog(u"Edit flatten command"_s, u"Flatten.x="_s, c.Initial), c.Expected);
        EXPECT_EQ(title, u"Flatten.x="_s);
    }
}

} // namespace
