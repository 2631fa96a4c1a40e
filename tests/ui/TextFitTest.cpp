#include "AboutDlg.h"
#include "AirportsDialog.h"
#include "ImportDialog.h"
#include "InputDialog.h"
#include "Main.h"
#include "RestoreDialog.h"
#include "SettingsDialog.h"
#include "model/scan/AirportCheck.h"
#include "platform/ProfileFolder.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"
#include "support/FakeHostSystem.h"
#include "support/FakePrefsEnvironment.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The width a caption needs; a push button's own minimum width is the style's taste, not the text's.
int NeededWidth(const QWidget* widget) {
    const auto* button = qobject_cast<const QPushButton*>(widget);
    if (!button)
        return widget->sizeHint().width();
    QString text = button->text();
    text.remove(u'&');
    if (text.isEmpty())
        return 0;
    const QStyle* style = button->style();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->fontMetrics().horizontalAdvance(text) + icon +
           2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
}

// Every label and button text of every window shows whole with the fonts the program uses.
TEST(TextFit, EveryCaptionShowsWhole) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Qt's offscreen platform has no font database on Windows: every glyph is a box there, so "
                    "no text width means anything; the real window is looked at instead.";
#endif
    const TSystemFileAccess files;
    const TSystemHostFolders folders;
    const TFakeHostLocator host;
    const TFakeHostSystem system;
    const TSystemSceneryFiles scenery;
    TPrefs prefs;
    const QTemporaryDir data;
    const TRestorePointFolder points(data.path());
    const TProfileFolder profiles(data.path());
    THauptformular main({files, folders, host, system, prefs, scenery, points, profiles});
    TAboutBox about;
    TInputDialogForm input(QStringLiteral("Edit flatten command"), QStringLiteral("Flatten.x="), QString());
    input.FormShow();
    TImportDlg import(prefs);
    TSettingsDlg settings(host, prefs);
    TAirportCheck check;
    check.Clashes = {{"KSEA", {0, 1}, {}}};
    check.Later.resize(12);
    check.Unreadable.resize(123);
    check.Airports = 1234;
    check.Files = 12345;
    TAirportsDlg airports(check, {{QStringLiteral("T0"), QStringLiteral("T1")}, {1, 2}});
    TRestoreDlg restore(QStringLiteral("C:\\Program Files\\Microsoft Games\\Flight Simulator 9\\Scenery.cfg"),
                        {});
    for (QWidget* form :
         {static_cast<QWidget*>(&main), static_cast<QWidget*>(&about), static_cast<QWidget*>(&input),
          static_cast<QWidget*>(&import), static_cast<QWidget*>(&settings), static_cast<QWidget*>(&airports),
          static_cast<QWidget*>(&restore)}) {
        for (QWidget* widget : form->findChildren<QWidget*>()) {
            if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget))
                continue;
            const std::string name =
                form->objectName().toStdString() + "." + widget->objectName().toStdString();
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->wordWrap())
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            else
                EXPECT_LE(NeededWidth(widget), widget->width()) << name;
        }
    }
}

} // namespace
