// The simulator's per-user copy in a real Windows layout: a host folder in Program Files (x86) and its
// copy in the user's VirtualStore, as the system (Wine here) names both. Windows only.
#include "model/library/LibraryFile.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemHostSystem.h"
#include "support/LibraryText.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QUuid>
#include <gtest/gtest.h>
#include <windows.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class TNoQuestions : public TSaveQuestions {
public:
    bool Ask(const TSaveQuestion&) override { return false; }
};

const std::string General = GeneralText("W", "D", false);
const std::string AreaA = SavedArea(1, "A", "A");
const std::string AreaB = SavedArea(2, "B", "B");

class WindowsLibrary : public testing::Test {
protected:
    void SetUp() override {
        const QString name = u"Quarrow Test "_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
        Host = qEnvironmentVariable("ProgramFiles(x86)") + u"\\"_s + name + u"\\Flight Simulator 9\\"_s;
        PerUser = qEnvironmentVariable("LOCALAPPDATA") + u"\\VirtualStore\\"_s + Host.mid(3);
        ASSERT_TRUE(QDir().mkpath(Host));
        ASSERT_TRUE(QDir().mkpath(PerUser));
    }
    void TearDown() override {
        SetFileAttributesW(reinterpret_cast<LPCWSTR>((Host + u"Scenery.cfg"_s).utf16()),
                           FILE_ATTRIBUTE_NORMAL);
        QDir(Host).removeRecursively();
        QDir(PerUser).removeRecursively();
    }

    QString Host;
    QString PerUser;
    TSystemFileAccess Files;
    TSystemHostSystem System;
};

// The copy is the library: it is read, written and backed up beside itself; the host folder's file
// stays byte for byte, and the areas only it has are named.
TEST_F(WindowsLibrary, PerUserCopyIsReadAndWrittenAndTheHostFileLeftAlone) {
    ASSERT_TRUE(WriteBytes(Host + u"Scenery.cfg"_s, General + AreaA + AreaB));
    ASSERT_TRUE(WriteBytes(PerUser + u"Scenery.cfg"_s, General + AreaA));
    const std::string host = Host.toLocal8Bit().toStdString();
    TLibraryFile library(Files, System);
    const TSystemHostFolders folders;
    const TLibraryLoad load = library.Load(host, &folders);
    EXPECT_EQ(QString::fromLocal8Bit(library.Choice().File), PerUser + u"Scenery.cfg"_s);
    EXPECT_EQ(library.Choice().Kind(), TLibraryKind::PerUser);
    ASSERT_EQ(load.HostOnly.size(), 1u);
    EXPECT_EQ(load.HostOnly[0].Title, "B");
    TNoQuestions questions;
    TSceneryDocument changed = load.Document;
    changed.General.Title = "Changed";
    EXPECT_EQ(library.Save(changed, host, true, questions).Result, TSaveResult::Saved);
    EXPECT_EQ(FileBytes(Host + u"Scenery.cfg"_s), General + AreaA + AreaB);
    EXPECT_EQ(FileBytes(PerUser + u"Scenery.qrw"_s), General + AreaA);
    EXPECT_EQ(FileBytes(PerUser + u"Scenery.cfg"_s).substr(0, 24), "[General]\r\nTitle=Changed");
}

// A read-only library is said to be read-only: no per-user copy is offered (the folder would take the
// write, the file's flag does not), and the old bytes stay.
TEST_F(WindowsLibrary, ReadOnlyLibraryRefusesTheSaveAndStaysWhole) {
    ASSERT_TRUE(WriteBytes(Host + u"Scenery.cfg"_s, General + AreaA));
    ASSERT_TRUE(SetFileAttributesW(reinterpret_cast<LPCWSTR>((Host + u"Scenery.cfg"_s).utf16()),
                                   FILE_ATTRIBUTE_READONLY));
    const std::string host = Host.toLocal8Bit().toStdString();
    TLibraryFile library(Files, System);
    const TSceneryDocument document = library.Load(host, nullptr).Document;
    TNoQuestions questions;
    EXPECT_EQ(library.Save(document, host, false, questions).Result, TSaveResult::ReadOnly);
    EXPECT_EQ(FileBytes(Host + u"Scenery.cfg"_s), General + AreaA);
}

} // namespace
