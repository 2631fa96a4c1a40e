#include "platform/SimulatorProcess.h"
#include "platform/VirtualStore.h"

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
};

class PerUserFolder : public testing::TestWithParam<TStoreCase> {};

TEST_P(PerUserFolder, IsWhereWindowsRedirectsTheSimulatorsWrites) {
    const QStringList protectedFolders = {u"C:\\Program Files"_s, u"C:\\Program Files (x86)"_s,
                                          u"C:\\Windows"_s};
    EXPECT_EQ(VirtualStoreFolder(QString::fromUtf8(GetParam().Host), protectedFolders,
                                 u"C:\\Users\\ann\\AppData\\Local"_s),
              QString::fromUtf8(GetParam().PerUser));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PerUserFolder,
    testing::Values(TStoreCase{"ProgramFilesX86",
                               "C:\\Program Files (x86)\\Microsoft Games\\Flight Simulator 9\\",
                               "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\Program Files (x86)\\Microsoft "
                               "Games\\Flight Simulator 9\\"},
                    TStoreCase{"ProgramFilesOtherCaseNoSeparator", "c:\\PROGRAM FILES\\FS9",
                               "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\PROGRAM FILES\\FS9\\"},
                    TStoreCase{"WindowsFolder", "C:/Windows/FS9/",
                               "C:\\Users\\ann\\AppData\\Local\\VirtualStore\\Windows\\FS9\\"},
                    TStoreCase{"OutsideProtectedFolders", "D:\\Games\\FS9\\", ""},
                    TStoreCase{"SameNamedFolderOnAnotherDrive", "D:\\Program Files\\FS9\\", ""},
                    TStoreCase{"PrefixOfAProtectedName", "C:\\Program Files Extra\\FS9\\", ""},
                    TStoreCase{"NetworkPath", "\\\\server\\Program Files\\FS9\\", ""}),
    [](const testing::TestParamInfo<TStoreCase>& info) { return std::string(info.param.Name); });

TEST(SimulatorProgram, IsFs9ExeInAnyLetterCaseAfterAnyFolder) {
    EXPECT_TRUE(IsSimulatorProgram(u"C:\\Program Files\\FS9\\fs9.EXE"_s));
    EXPECT_TRUE(IsSimulatorProgram(u"/opt/fs9/FS9.exe"_s));
    EXPECT_TRUE(IsSimulatorProgram(u"FS9.exe"_s));
    EXPECT_FALSE(IsSimulatorProgram(u"C:\\FS9.exe\\other.exe"_s));
    EXPECT_FALSE(IsSimulatorProgram(u"XFS9.exe"_s));
}

// A real second process whose program file is the simulator's name in another letter case.
#ifndef Q_OS_WIN
TEST(SimulatorProgram, RunningProcessIsFound) {
    ASSERT_FALSE(SimulatorProcessRuns());
    QTemporaryDir folder;
    const QString program = folder.filePath(u"fs9.EXE"_s);
    ASSERT_TRUE(QFile::copy(QStandardPaths::findExecutable(u"sleep"_s), program));
    QProcess simulator;
    simulator.start(program, {u"30"_s});
    ASSERT_TRUE(simulator.waitForStarted());
    EXPECT_TRUE(SimulatorProcessRuns());
    simulator.kill();
    simulator.waitForFinished();
    EXPECT_FALSE(SimulatorProcessRuns());
}
#endif

} // namespace
