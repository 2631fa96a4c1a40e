#include "platform/FileTextOutput.h"
#include "model/format/InOutError.h"
#include "platform/FileCopy.h"
#include "support/RealWriteFailure.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int FailureCode(const QString& path) {
    try {
        TFileTextOutput output(path);
        output.WriteLine("x");
        output.Commit();
    } catch (const EInOutError& error) {
        return error.Code();
    }
    return 0;
}

TEST(FileTextOutput, WritesLinesWithCrLfOnCommit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    ASSERT_TRUE(WriteBytes(path, "old"));
    {
        TFileTextOutput output(path);
        output.WriteLine("[General]");
        output.WriteLine("");
        output.WriteLine("\xFC");
        EXPECT_EQ(FileBytes(path), "old");
        output.Commit();
    }
    EXPECT_EQ(FileBytes(path), "[General]\r\n\r\n\xFC\r\n");
}

TEST(FileTextOutput, OldFileStaysWholeUntilCommit) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    ASSERT_TRUE(WriteBytes(path, "old contents"));
    {
        TFileTextOutput output(path);
        output.WriteLine("new");
    }
    EXPECT_EQ(FileBytes(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Scenery.cfg"_s});
}

TEST(FileTextOutput, FailuresCarryTheReportsCodes) {
    QTemporaryDir dir;
    EXPECT_EQ(FailureCode(dir.filePath(u"missing/Scenery.cfg"_s)), EInOutError::PathNotFound);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    EXPECT_EQ(FailureCode(dir.filePath(u"folder"_s)), EInOutError::AccessDenied);
}

// On Linux the kernel refuses the bytes past the limit only when Qt's buffer reaches it in the final
// flush, which Qt's own commit() then reports as success.
TEST(FileTextOutput, RealWriteFailureInTheFinalFlushKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    ASSERT_TRUE(WriteBytes(path, "old contents"));
    int code = 0;
    {
        const TRealWriteFailure failure({path});
        try {
            TFileTextOutput output(path);
            output.WriteLine(std::string(3870, 'x'));
            output.Commit();
        } catch (const EInOutError& error) {
            code = error.Code();
        }
    }
    EXPECT_EQ(code, TRealWriteFailure::Code());
    EXPECT_EQ(FileBytes(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Scenery.cfg"_s});
}

TEST(FileCopy, RealWriteFailureKeepsTheOldTarget) {
    QTemporaryDir dir;
    const QString source = dir.filePath(u"Scenery.cfg"_s), target = dir.filePath(u"Scenery.qrw"_s);
    ASSERT_TRUE(WriteBytes(source, QByteArray(3872, 'n')) && WriteBytes(target, "old backup"));
    bool copied = true;
    {
        const TRealWriteFailure failure({target});
        copied = CopyFileReplacing(source, target);
    }
    EXPECT_FALSE(copied);
    EXPECT_EQ(FileBytes(target), "old backup");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"Scenery.cfg"_s, u"Scenery.qrw"_s}));
    EXPECT_TRUE(CopyFileReplacing(source, target));
    EXPECT_EQ(FileBytes(target), std::string(3872, 'n'));
}

} // namespace
