#include "platform/HostTest.h"
#include "support/TestFiles.h"

#include <QDir>
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
        ASSERT_TRUE(isFolder ? QDir().mkpath(path) : WriteBytes(path));
        EXPECT_EQ(FolderHoldsHost(temp.path() + u'/'), holds) << entry.toStdString() << " " << isFolder;
        EXPECT_EQ(FileExistsIgnoringCase(temp.path() + u"/FS9.EXE"_s), holds) << entry.toStdString();
    }
}

TEST(HostFolderTest, FolderTextIsFollowedDirectlyByTheFileName) {
    QTemporaryDir temp;
    ASSERT_TRUE(WriteBytes(temp.path() + u"/FS9/fs9.exe"_s));
    EXPECT_TRUE(FolderHoldsHost(temp.path() + u"/FS9/"_s));
    EXPECT_FALSE(FolderHoldsHost(temp.path() + u"/FS9"_s));
    EXPECT_FALSE(FolderHoldsHost(temp.path() + u"/missing/"_s));
}

} // namespace
