#include "DialogRecorder.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {

class MainFolders : public TMainWindowTest {
protected:
    // Rows whose name is painted red, by position.
    std::vector<int> RedRows() const {
        std::vector<int> rows;
        for (int row = 0; row < List->RowCount(); ++row)
            if (List->Row(row)->foreground(1).color() == Qt::red)
                rows.push_back(row);
        return rows;
    }
    QString Status() const { return Child<QStatusBar>("sbStatus")->currentMessage(); }
    QAction* SelectMissing() const { return Child<QAction>("cmAreaSelectMissing"); }
};

// Areas in Scenery\1 to Scenery\5; the host folder has SCENERY/1, 3 and 5.
TEST_F(MainFolders, MissingFoldersAreMarkedSelectedAndMended) {
    for (const QString& folder : {u"SCENERY/1"_s, u"SCENERY/3"_s, u"SCENERY/5"_s})
        ASSERT_TRUE(QDir(Folder.path()).mkpath(folder));
    Load(Numbered(5));
    EXPECT_EQ(RedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Status(), u"5 areas, 2 with a missing folder."_s);
    ASSERT_TRUE(SelectMissing()->isEnabled());

    SelectMissing()->trigger();
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Window->Current(), List->Row(1));
    EXPECT_EQ(Status(), u"2 areas with a missing folder selected."_s);

    Select({3});
#ifdef Q_OS_WIN
    // Windows opens the name as written.
    const QString missing = QDir::toNativeSeparators(Folder.filePath(u"Scenery/4"_s));
#else
    const QString missing = Folder.filePath(u"SCENERY/4"_s);
#endif
    EXPECT_EQ(Status(), u"Local Path not found: "_s + missing);
    TDialogRecorder dialogs;
    dialogs.AnswerNext(Folder.filePath(u"SCENERY/5"_s));
    Window->Editor().bbLocalClick();
    EXPECT_EQ(RedRows(), std::vector<int>{1});
    EXPECT_TRUE(Status().startsWith(u"Quarrow "_s)) << Status().toStdString();

    Select({1});
    Boxes.AnswerNext(true);
    Window->bbDeleteClick();
    EXPECT_FALSE(SelectMissing()->isEnabled());
}

} // namespace
