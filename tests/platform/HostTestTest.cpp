#include "platform/HostTest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct THostFileCase {
    QString Entry;
    bool IsFolder;
    bool Holds;
};

class HostTestTest : public testing::TestWithParam<THostFileCase> {};

TEST_P(HostTestTest, FindsTheHostFileIgnoringCase) {
    QTemporaryDir temp;
    const QString path = temp.path() + u'/' + GetParam().Entry;
    if (GetParam().IsFolder) {
        QDir().mkpath(path);
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(FolderHoldsHost(temp.path() + u'/'), GetParam().Holds) << GetParam().Entry.toStdString();
    EXPECT_EQ(FileExistsIgnoringCase(temp.path() + u"/FS9.EXE"_s), GetParam().Holds);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HostTestTest,
    testing::Values(THostFileCase{u"FS9.exe"_s, false, true}, THostFileCase{u"fs9.exe"_s, false, true},
                    THostFileCase{u"FS9.EXE"_s, false, true}, THostFileCase{u"FS9.exe"_s, true, false},
                    THostFileCase{u"FS9.exe.bak"_s, false, false}, THostFileCase{u"FS9.ex"_s, false, false}));

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
