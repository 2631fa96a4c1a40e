#include "ui/FilePicker.h"
#include "ModalDriver.h"
#include "support/TestFiles.h"
#include "ui/DialogRecorder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
TEST(FilePicker, FilterBecomesTheDialogsFilterList) {
    const std::pair<QString, QString> cases[] = {
        {u"Quarrow Area Sets (*.sas)|*.sas"_s, u"Quarrow Area Sets (*.sas)"_s},
        {u"Flight Simulator 2004 (fs9.exe)|fs9.exe"_s, u"Flight Simulator 2004 (fs9.exe)"_s},
        {u"Text|*.txt;*.log|All (*.*)|*"_s, u"Text (*.txt *.log);;All (*.*) (*)"_s},
        {QString(), QString()},
    };
    for (const auto& [given, shown] : cases)
        EXPECT_EQ(ToDialogFilter(given), shown) << given.toStdString();
}

void TypeAndAccept(QFileDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(name);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
}

class FilePickerDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Root.isValid());
        ASSERT_TRUE(QDir(Root.path()).mkpath(u"Other"_s));
        ASSERT_TRUE(WriteBytes(Root.filePath(u"Sets/old.sas"_s)));
    }
    QString Path(const QString& name) const { return QDir::toNativeSeparators(Root.filePath(name)); }
    void Configure(TFilePicker& picker, const QString& title) const {
        picker.Title = title;
        picker.Filter = u"Quarrow Area Sets (*.sas)|*.sas"_s;
        picker.DefaultExt = u"SAS"_s;
        picker.InitialDir = Path(u"Sets"_s);
    }

    QTemporaryDir Root;
};

// The first run starts in the initial folder, the second in the folder of the file chosen first.
TEST_F(FilePickerDialog, SaveAppendsTheExtensionAndRemembersTheFile) {
    TFilePicker picker(TFilePickerKind::Save);
    Configure(picker, u"Export Area Sets"_s);
    QString title, shownIn;
    QStringList filters;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        shownIn = QDir::toNativeSeparators(dialog->directory().absolutePath());
        filters = dialog->nameFilters();
        TypeAndAccept(dialog, u"alps"_s);
    });
    ASSERT_TRUE(picker.Execute(nullptr));
    EXPECT_EQ(title, u"Export Area Sets"_s);
    EXPECT_EQ(shownIn, Path(u"Sets"_s));
    EXPECT_EQ(filters, QStringList{u"Quarrow Area Sets (*.sas)"_s});
    EXPECT_EQ(picker.FileName, Path(u"Sets/alps.SAS"_s));

    picker.InitialDir = Path(u"Other"_s);
    QString typed;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        shownIn = QDir::toNativeSeparators(dialog->directory().absolutePath());
        typed = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->text();
        dialog->reject();
    });
    EXPECT_FALSE(picker.Execute(nullptr));
    EXPECT_EQ(shownIn, Path(u"Sets"_s));
#ifndef Q_OS_WIN
    // Qt's dialog shows the whole path in the field on Windows.
    EXPECT_EQ(typed, u"alps.SAS"_s);
#endif
    EXPECT_EQ(picker.FileName, Path(u"Sets/alps.SAS"_s));
}

// A starting folder that has gone opens the dialog at the nearest folder above it that exists, with the
// starting name, if any, still in the field.
TEST_F(FilePickerDialog, MissingStartingFolderOpensAtTheNearestExistingOne) {
    for (const QString& name : {QString(), u"FS9.exe"_s}) {
        TFilePicker picker(TFilePickerKind::Open);
        picker.InitialDir = Path(u"Other/gone/deeper"_s);
        picker.FileName = name;
        QString shownIn, typed;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            shownIn = QDir::toNativeSeparators(dialog->directory().absolutePath());
            typed = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->text();
            dialog->reject();
        });
        EXPECT_FALSE(picker.Execute(nullptr));
        EXPECT_EQ(shownIn, Path(u"Other"_s)) << name.toStdString();
        EXPECT_EQ(typed, name);
    }
}

// An existing file is taken by either kind without a question; the open picker returns it whole.
TEST_F(FilePickerDialog, ExistingFileIsTakenWithoutAQuestion) {
    for (TFilePickerKind kind : {TFilePickerKind::Save, TFilePickerKind::Open}) {
        TFilePicker picker(kind);
        Configure(picker, u"Select Area Set"_s);
        WhenModal<QFileDialog>([&](QFileDialog* dialog) { TypeAndAccept(dialog, u"old.sas"_s); });
        EXPECT_TRUE(picker.Execute(nullptr));
        EXPECT_EQ(picker.FileName, Path(u"Sets/old.sas"_s));
    }
}

// A save name in a missing folder and an open name of a missing file are refused with a box; the
// dialog stays open until cancelled.
TEST_F(FilePickerDialog, MissingFolderOrFileIsRefused) {
    const std::pair<TFilePickerKind, QString> cases[] = {{TFilePickerKind::Save, u"Missing/x.sas"_s},
                                                         {TFilePickerKind::Open, u"nothere.sas"_s}};
    for (const auto& [kind, name] : cases) {
        TFilePicker picker(kind);
        Configure(picker, u"Select Area Set"_s);
        bool refused = false, stillOpen = false;
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            WhenModal<QMessageBox>([&, dialog](QMessageBox* box) {
                refused = true;
                box->accept();
                QTimer::singleShot(0, dialog, [&, dialog] {
                    stillOpen = dialog->isVisible();
                    dialog->reject();
                });
            });
            TypeAndAccept(dialog, name);
        });
        EXPECT_FALSE(picker.Execute(nullptr)) << name.toStdString();
        EXPECT_TRUE(refused) << name.toStdString();
        EXPECT_TRUE(stillOpen) << name.toStdString();
        EXPECT_TRUE(picker.FileName.isEmpty());
    }
}

// The host's file names come from Windows in any letter case; the filter lists them all and nothing else.
// (On Windows itself the three names are one file.)
#ifndef Q_OS_WIN
TEST_F(FilePickerDialog, NameFilterIgnoresLetterCase) {
    for (const QString& name : {u"FS9.EXE"_s, u"fs9.exe"_s, u"Fs9.Exe"_s, u"fs9.exe.txt"_s, u"other.exe"_s})
        ASSERT_TRUE(WriteBytes(Root.filePath(u"Other/"_s + name)));
    TFilePicker picker(TFilePickerKind::Open);
    picker.Filter = u"Flight Simulator 2004 (fs9.exe)|fs9.exe"_s;
    picker.InitialDir = Path(u"Other"_s);
    QStringList listed;
    WhenModal<QFileDialog>([&listed](QFileDialog* dialog) {
        const auto* view = dialog->findChild<QListView*>(u"listView"_s);
        const auto rows = [view] { return view->model()->rowCount(view->rootIndex()); };
        WaitUntil([&rows] { return rows() >= 3; });
        QTest::qWait(100); // a late file would arrive in this time
        for (int row = 0; row < rows(); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        dialog->reject();
    });
    picker.Execute(nullptr);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{u"FS9.EXE"_s, u"Fs9.Exe"_s, u"fs9.exe"_s}));
}
#endif

TEST(FilePicker, SeamRecordsTheStartAndAnswersWithoutShowing) {
    TDialogRecorder recorder;
    TFilePicker picker(TFilePickerKind::Open);
    picker.Title = u"Select Flight Simulator 2004 Path"_s;
    picker.FileName = u"FS9.exe"_s;
    picker.InitialDir = QDir::toNativeSeparators(u"/fs9"_s);
    recorder.AnswerNext(QDir::toNativeSeparators(u"/games/fs9/FS9.exe"_s));
    EXPECT_TRUE(picker.Execute(nullptr));
    EXPECT_EQ(picker.FileName, QDir::toNativeSeparators(u"/games/fs9/FS9.exe"_s));
    EXPECT_FALSE(picker.Execute(nullptr));
    EXPECT_EQ(picker.FileName, QDir::toNativeSeparators(u"/games/fs9/FS9.exe"_s));
    ASSERT_EQ(recorder.Requests().size(), 2u);
    EXPECT_EQ(recorder.Requests()[0].Kind, TDialogKind::OpenFile);
    EXPECT_EQ(recorder.Requests()[0].Title, u"Select Flight Simulator 2004 Path"_s);
    EXPECT_EQ(recorder.Requests()[0].Initial, QDir::toNativeSeparators(u"/fs9/FS9.exe"_s));
    EXPECT_EQ(recorder.Requests()[1].Initial, QDir::toNativeSeparators(u"/games/fs9/FS9.exe"_s));
}
} // namespace
