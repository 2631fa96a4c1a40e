#include "ui/FolderPicker.h"
#include "ModalDriver.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
TEST(FolderPicker, SelectedFolderIsNormalisedOnEveryAssignment) {
    const std::pair<QString, QString> cases[] = {
        {u"D:\\Games\\"_s, u"D:\\Games"_s},
        {u"D:\\Games"_s, u"D:\\Games"_s},
        {u"D:"_s, u"D:\\"_s},
        {u"C:\\"_s, u"C:\\"_s},
        {u"C:\\\\"_s, u"C:\\"_s},
        {u"C:\\FS9\\Addon Scenery\\\\"_s, u"C:\\FS9\\Addon Scenery\\"_s},
        {QString(), QString()},
#ifndef Q_OS_WIN
        // Folders of the system's own form; Windows spells these with backslashes.
        {u"/home/pilot/Sets/"_s, u"/home/pilot/Sets"_s},
        {u"/home/pilot/Sets"_s, u"/home/pilot/Sets"_s},
        {u"/"_s, u"/"_s},
        {u"//"_s, u"/"_s},
#endif
    };
    TFolderPicker picker(u"Select Scenery Path"_s);
    for (const auto& [given, kept] : cases) {
        picker.SetSelectedFolder(given);
        EXPECT_EQ(picker.SelectedFolder(), kept) << given.toStdString();
    }
}

class FolderPickerDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Root.isValid());
        ASSERT_TRUE(QDir(Root.path()).mkpath(u"Alpha"_s));
        ASSERT_TRUE(QDir(Root.path()).mkpath(u"Beta"_s));
    }
    QString Folder(const QString& name) const { return QDir::toNativeSeparators(Root.filePath(name)); }

    QTemporaryDir Root;
    TFolderPicker Picker{u"Select Scenery Path"_s};
};

// The real dialog opens in the parent with the folder highlighted and hands back what is confirmed.
TEST_F(FolderPickerDialog, OpensAtTheSelectedFolderAndReturnsTheConfirmedOne) {
    Picker.SetSelectedFolder(Folder(u"Alpha"_s) + QDir::separator());
    QString title, shownIn, highlighted;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        shownIn = QDir::toNativeSeparators(dialog->directory().absolutePath());
        highlighted = QDir::toNativeSeparators(dialog->selectedFiles().value(0));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    EXPECT_TRUE(Picker.Execute(nullptr));
    EXPECT_EQ(title, u"Select Scenery Path"_s);
    EXPECT_EQ(shownIn, QDir::toNativeSeparators(Root.path()));
    EXPECT_EQ(highlighted, Folder(u"Alpha"_s));
    EXPECT_EQ(Picker.SelectedFolder(), Folder(u"Alpha"_s));
}

// Highlighting another folder moves SelectedFolder at once, even when the run is cancelled, and the
// next run starts there.
TEST_F(FolderPickerDialog, FollowsTheHighlightedFolderAcrossRuns) {
    Picker.SetSelectedFolder(Folder(u"Alpha"_s));
    QString whileOpen;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* view = dialog->findChild<QListView*>(u"listView"_s);
        auto* model = qobject_cast<QFileSystemModel*>(view->model());
        // The dialog highlights its starting folder once it has read the folder: wait for that first.
        ASSERT_TRUE(WaitUntil([&] { return model->rowCount(model->index(Root.path())) >= 2; }));
        QApplication::processEvents();
        QAbstractItemView* shown =
            dialog->viewMode() == QFileDialog::Detail
                ? static_cast<QAbstractItemView*>(dialog->findChild<QTreeView*>(u"treeView"_s))
                : view;
        const QModelIndex beta = model->index(Root.filePath(u"Beta"_s));
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, shown->visualRect(beta).center());
        whileOpen = Picker.SelectedFolder();
        dialog->reject();
    });
    EXPECT_FALSE(Picker.Execute(nullptr));
    EXPECT_EQ(whileOpen, Folder(u"Beta"_s));
    EXPECT_EQ(Picker.SelectedFolder(), Folder(u"Beta"_s));

    QString highlighted;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        highlighted = QDir::toNativeSeparators(dialog->selectedFiles().value(0));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
    });
    EXPECT_TRUE(Picker.Execute(nullptr));
    EXPECT_EQ(highlighted, Folder(u"Beta"_s));
    EXPECT_EQ(Picker.SelectedFolder(), Folder(u"Beta"_s));
}

// A folder that does not exist opens the dialog at the nearest folder above it, not the working folder.
TEST_F(FolderPickerDialog, MissingFolderOpensAtTheNearestExistingOne) {
    Picker.SetSelectedFolder(Folder(u"Alpha/Addon Scenery/Alps"_s));
    QString shownIn;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        shownIn = QDir::toNativeSeparators(dialog->directory().absolutePath());
        dialog->reject();
    });
    EXPECT_FALSE(Picker.Execute(nullptr));
    EXPECT_EQ(shownIn, Folder(u"Alpha"_s));
}

} // namespace
