#include "platform/SimulatorProcess.h"
#include "platform/VirtualStore.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TStoreCase {
    const char* Name;
    const char* Host;
    const char* PerUser;
    const char* LocalAppData = "C:\\Users\\ann\\AppData\\Local";
};

class PerUserFolder : public testing::TestWithParam<TStoreCase> {};

TEST_P(PerUserFolder, IsWhereWindowsRedirectsTheSimulatorsWrites) {
    const QStringList protectedFolders = {u"C:\\Program Files"_s, u"C:\\Program Files (x86)"_s,
                                          u"C:\\Windows"_s};
    EXPECT_EQ(VirtualStoreFolder(QString::fromUtf8(GetParam().Host), protectedFolders,
                                 QString::fromUtf8(GetParam().LocalAppData)),
              QString::fromUtf8(GetParam().PerUser));
}

// clang-format off
const TStoreCase StoreCases[] = {
    {"ProgramFilesX86", "C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9\\", "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9\\"},
    {"ProgramFilesOtherCaseNoSeparator", "c:\\PROGRAM FILES\\FS9", "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\PROGRAM FILES\\FS9\\"},
    {"WindowsFolder", "C:/Windows/FS9/", "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\Windows\\FS9\\"},
    {"OutsideProtectedFolders", "D:\\Games\\FS9\\", ""},
    {"SameNamedFolderOnAnotherDrive", "D:\\Program Files\\FS9\\", ""},
    {"PrefixOfAProtectedName", "C:\\Program Files Extra\\FS9\\", ""},
    {"NetworkPath", "\\\\server\\Program Files\\FS9\\", ""},
    {"DataFolderUnknown", "C:\\Program Files\\FS9\\", "", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, PerUserFolder, testing::ValuesIn(StoreCases), CaseName);

TEST(SimulatorProgram, IsFs9ExeInAnyLetterCaseAfterAnyFolder) {
    EXPECT_TRUE(IsSimulatorProgram(u"C:\\Program Files\\FS9\\fs9.EXE"_s));
    EXPECT_TRUE(IsSimulatorProgram(u"/opt/fs9/FS9.exe"_s));
    EXPECT_TRUE(IsSimulatorProgram(u"FS9.exe"_s));
    EXPECT_FALSE(IsSimulatorProgram(u"C:\\FS9.exe\\other.exe"_s));
    EXPECT_FALSE(IsSimulatorProgram(u"XFS9.exe"_s));
}

// Only a process's first argument names its program; a real second process whose program file is the
// simulator's name in another letter case is found under /proc while it runs.
#ifndef Q_OS_WIN
TEST(SimulatorProgram, RunningProcessIsFound) {
    const QTemporaryDir processes;
    const auto start = [&processes](const QString& id, const QByteArray& commandLine) {
        ASSERT_TRUE(WriteBytes(processes.filePath(id + u"/cmdline"_s), commandLine));
    };
    start(u"1"_s, "/sbin/init"_ba);
    start(u"12"_s, QByteArray("/usr/bin/file\0FS9.exe", 21));
    EXPECT_FALSE(SimulatorProcessRuns(processes.path()));
    start(u"345"_s, QByteArray("C:\\FS9\\fs9.EXE\0", 15));
    EXPECT_TRUE(SimulatorProcessRuns(processes.path()));

    const QString program = processes.filePath(u"fs9.EXE"_s);
    ASSERT_TRUE(QFile::copy(QStandardPaths::findExecutable(u"sleep"_s), program));
    QProcess simulator;
    simulator.start(program, {u"30"_s});
    ASSERT_TRUE(simulator.waitForStarted());
    EXPECT_TRUE(SimulatorProcessRuns());
    simulator.kill();
    simulator.waitForFinished();
}
#endif

} // namespace
