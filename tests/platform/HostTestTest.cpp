#include "platform/HostTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One entry in an otherwise empty folder: only a file named FS9.exe in any case holds the host.
TEST(HostTest, FindsTheHostFileIgnoringCase) {
    const std::tuple<QString, bool, bool> cases[] = {
        {u"FS9.exe"_s, false, true}, {u"fs9.exe"_s, false, true},      {u"FS9.EXE"_s, false, true},
        {u"FS9.exe"_s, true, false}, {u"FS9.exe.bak"_s, false, false}, {u"FS9.ex"_s, false, false}};
    for (const auto& [entry, isFolder, holds] : cases) {
        QTemporaryDir temp;
        const QString path = temp.path() + u'/' + entry;
        if (isFolder)
            QDir().mkpath(path);
        else
            ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
        EXPECT_EQ(FolderHoldsHost(temp.path() + u'/'), holds) << entry.toStdString() << " " << isFolder;
        EXPECT_EQ(FileExistsIgnoringCase(temp.path() + u"/FS9.EXE"_s), holds) << entry.toStdString();
    }
}

TEST(HostFolderTest, FolderTextIsFollowedDirectlyByTheFileName) {
    QTemporaryDir temp;
    QDir(temp.path()).mkpath(u"FS9"_s);
    QFile file(temp.path() + u"/FS9/fs9.exe"_s);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(FolderHoldsHost(temp.path() + u"/FS9/"_s));
    EXPECT_FALSE(FolderHoldsHost(temp.path() + u"/FS9"_s));
    EXPECT_FALSE(FolderHoldsHost(temp.path() + u"/missing/"_s));
}

} // namespace
