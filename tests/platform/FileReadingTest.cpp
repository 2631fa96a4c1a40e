#include "platform/FileReading.h"
#include "platform/SystemFileAccess.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

using TState = TFileBytes::TState;

struct TReadCase {
    const char* Name;
    // Puts something at the path; false skips the case (a permission test running as root).
    std::function<bool(const QString& path)> Make;
    TState State;
    std::string Expected; // the bytes when read, the reason when failed
};

class ReadingAFile : public testing::TestWithParam<TReadCase> {};

TEST_P(ReadingAFile, ReadsOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    if (!GetParam().Make(path))
        GTEST_SKIP() << "permissions do not bind this user";
    const TFileBytes read = ReadRegularFile(path);
    EXPECT_EQ(read.State, GetParam().State);
    EXPECT_EQ(GetParam().State == TState::Failed ? read.Failure : read.Bytes, GetParam().Expected);
    // What a save compares: anything in the library's place that cannot be read is no missing file.
    using TStamped = TFileStamp::TState;
    const TStamped stamped = GetParam().State == TState::Failed    ? TStamped::Unreadable
                             : GetParam().State == TState::Missing ? TStamped::Missing
                                                                   : TStamped::Read;
    EXPECT_EQ(TSystemFileAccess().Stamp(path.toLocal8Bit().toStdString(), nullptr).State, stamped);
}

// clang-format off
const TReadCase ReadCases[] = {
    {"Regular", [](const QString& p) { return WriteBytes(p, "[General]\r\n\x00\xFF"_ba); }, TState::Read, std::string("[General]\r\n\0\xFF", 13)},
    {"Missing", [](const QString&) { return true; }, TState::Missing, ""},
    {"Folder", [](const QString& p) { return QDir().mkdir(p); }, TState::Failed, "not a regular file"},
#ifndef Q_OS_WIN
    // Opening a FIFO for reading would wait for a writer: it must be refused at once. Windows has
    // no FIFOs, no symbolic link loops without privileges and no unreadable mode bits; its
    // counterpart, a file another program holds, is tested below.
    {"Fifo", [](const QString& p) { return mkfifo(QFile::encodeName(p), 0600) == 0; }, TState::Failed, "not a regular file"},
    {"LinkLoop", [](const QString& p) { return QFile::link(p, p); }, TState::Failed, "Too many levels of symbolic links"},
    {"Unreadable", [](const QString& p) { return WriteBytes(p, "x") && chmod(QFile::encodeName(p), 0200) == 0 && geteuid() != 0; }, TState::Failed, "Permission denied"},
#endif
    // Sparse: the size is checked before anything is read, so no memory grows with it.
    {"OverTheCap", [](const QString& p) { return WriteBytes(p, "x") && QFile(p).resize(MaxReadSize + 1); }, TState::Failed, "larger than 64 MiB"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Kinds, ReadingAFile, testing::ValuesIn(ReadCases), CaseName);

TEST(ReadingAFile, AtTheCapIsReadWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    ASSERT_TRUE(WriteBytes(path, "x") && QFile(path).resize(MaxReadSize));
    const TFileBytes read = ReadRegularFile(path);
    EXPECT_EQ(read.State, TState::Read);
    EXPECT_EQ(read.Bytes.size(), MaxReadSize);
}

#ifdef Q_OS_WIN
// A file that another program holds open without sharing cannot be read: said, never taken for empty.
TEST(ReadingAFile, HeldByAnotherProgramIsSaid) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    ASSERT_TRUE(WriteBytes(path, "[General]"));
    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const TFileBytes read = ReadRegularFile(path);
    CloseHandle(held);
    EXPECT_EQ(read.State, TState::Failed);
    // The reason is the system's own text, in the system's language.
    EXPECT_FALSE(read.Failure.empty());
}
#endif

} // namespace
