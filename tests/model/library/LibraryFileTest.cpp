#include "model/library/LibraryFile.h"
#include "model/format/InOutError.h"
#include "model/library/LibraryChoice.h"
#include "model/library/RestorePoints.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "support/CaseName.h"
#include "support/FakeHostSystem.h"
#include "support/LibraryText.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

struct TChoiceCase {
    const char* Name;
    std::vector<std::string> HostNames;
    std::string PerUser;
    std::vector<std::string> PerUserNames;
    std::string File;
    std::string Pending;
    std::string Backup;
    const char* Kind;
};

class LibraryChoice : public testing::TestWithParam<TChoiceCase> {};

TEST_P(LibraryChoice, FollowsWhatTheSimulatorReads) {
    const TChoiceCase& c = GetParam();
    const TLibraryChoice choice = ChooseLibrary("H/", c.HostNames, c.PerUser, c.PerUserNames);
    EXPECT_EQ(choice.File, c.File);
    EXPECT_EQ(choice.Pending, c.Pending);
    EXPECT_EQ(choice.Backup, c.Backup);
    EXPECT_STREQ(LibraryKindWord(choice.Kind()), c.Kind);
}

// clang-format off
const TChoiceCase ChoiceCases[] = {
    {"Plain", {"FS9.exe", "Scenery.cfg"}, "", {}, "H/Scenery.cfg", "", "H/Scenery.qrw", "plain"},
    {"Neither", {}, "", {}, "H/Scenery.cfg", "", "H/Scenery.qrw", "plain"},
    {"OtherLetterCase", {"SCENERY.CFG", "scenery.QRW"}, "", {}, "H/SCENERY.CFG", "", "H/scenery.QRW", "plain"},
    {"ExactBeforeOtherCase", {"scenery.cfg", "Scenery.cfg"}, "", {}, "H/Scenery.cfg", "", "H/Scenery.qrw", "plain"},
    {"FirstInNameOrder", {"scenery.cfg", "SCENERY.cfg"}, "", {}, "H/SCENERY.cfg", "", "H/Scenery.qrw", "plain"},
    {"Pending", {"Scenery.cfg", "newscenery.CFG"}, "", {}, "H/Scenery.cfg", "H/newscenery.CFG", "H/Scenery.qrw", "pending"},
    {"PerUserCopy", {"Scenery.cfg"}, "U/", {"Scenery.cfg"}, "U/Scenery.cfg", "", "U/Scenery.qrw", "per-user"},
    {"PerUserFolderWithoutCopy", {"Scenery.cfg"}, "U/", {"OldScenery.cfg"}, "H/Scenery.cfg", "", "H/Scenery.qrw", "plain"},
    {"PendingInThePerUserFolder", {"Scenery.cfg", "NewScenery.cfg"}, "U/", {"NewScenery.cfg"}, "U/Scenery.cfg", "U/NewScenery.cfg", "U/Scenery.qrw", "pending"},
    {"BothCopiesAndAPendingOne", {"Scenery.cfg"}, "U/", {"SCENERY.CFG", "NewScenery.cfg"}, "U/SCENERY.CFG", "U/NewScenery.cfg", "U/Scenery.qrw", "pending"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, LibraryChoice, testing::ValuesIn(ChoiceCases), CaseName);

const std::string General = GeneralText("W", "D", false);

// A host folder "host/" and a per-user folder "user/" below one temporary folder.
class LibraryFiles : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return Root.path().toStdString() + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(WriteBytes(QString::fromStdString(Path(name)), bytes));
    }
    // Every entry of both folders with its bytes, folders as "<folder>".
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const std::string folder : {"host", "user"})
            for (const auto& [name, bytes] : FolderEntries(QString::fromStdString(Path(folder))))
                files[folder + "/" + name] = bytes;
        return files;
    }

    QTemporaryDir Root;
    TSystemFileAccess Access;
    TFakeHostSystem System;
};

// Answers in order, recording what was asked.
class TAnswers : public TSaveQuestions {
public:
    explicit TAnswers(std::vector<bool> answers) : FAnswers(std::move(answers)) {}
    bool Ask(const TSaveQuestion& question) override {
        Asked.push_back(question.Kind);
        const bool answer = Asked.size() <= FAnswers.size() && FAnswers[Asked.size() - 1];
        return answer;
    }
    std::vector<TSaveQuestionKind> Asked;

private:
    std::vector<bool> FAnswers;
};

using K = TSaveQuestionKind;

// Records what the save keeps, each as "<library below the root>: <bytes>", " pending" before the colon
// for a consumed pending file.
class TKeptPoints : public TRestorePoints {
public:
    explicit TKeptPoints(std::string root) : Root(std::move(root)) {}
    std::string Keep(const std::string& library, const std::string& bytes, bool pending) const override {
        Kept.push_back(library.substr(Root.size()) + (pending ? " pending: " : ": ") + bytes);
        return {};
    }
    std::vector<TRestorePoint> List(const std::string&) const override { return {}; }
    mutable std::vector<std::string> Kept;

private:
    std::string Root;
};

struct TSaveCase {
    const char* Name;
    std::map<std::string, std::string> Before;
    bool PerUser;
    bool Running;
    std::vector<bool> Answers;
    std::vector<TSaveQuestionKind> Asked;
    // None: the save fails with an EInOutError.
    std::optional<TSaveResult> Result;
    std::map<std::string, std::string> After;
    std::vector<std::string> Kept = {};
    std::string PointFailure = {};
};

class LibrarySave : public LibraryFiles, public testing::WithParamInterface<TSaveCase> {};

const std::string Old = General + SavedArea(3, "A", "A");
const std::string Pending = General + SavedArea(7, "P", "P") + SavedArea(9, "A", "A");
const std::string SavedPending = General + SavedArea(1, "P", "P") + SavedArea(2, "A", "A");
const std::string SavedOld = General + SavedArea(1, "A", "A");
const std::string Empty = GeneralText("", "", false);
const std::string Unshown = Old + "[Area.2000]\r\nLocal=Z\r\n";

// The save writes the file the simulator will read, backs up what it would have flown with, removes the
// pending file it made obsolete and keeps each file it replaced or removed as a restore point; every No
// stops it with the disk as it was and nothing kept.
TEST_P(LibrarySave, AsksWritesAndCleansUp) {
    const TSaveCase& c = GetParam();
    for (const auto& [name, bytes] : c.Before)
        if (bytes == "<folder>")
            QDir().mkpath(QString::fromStdString(Path(name)));
        else
            Write(name, bytes);
    System.PerUser = c.PerUser ? Path("user/") : "";
    System.Running = c.Running;
    const TKeptPoints points(Path(""));
    TLibraryFile library(Access, System, &points);
    const TSceneryDocument document = library.Load(Path("host/"), nullptr).Document;
    TAnswers answers(c.Answers);
    if (c.Result) {
        const TSaveOutcome outcome = library.Save(document, Path("host/"), true, answers);
        EXPECT_EQ(outcome.Result, *c.Result);
        EXPECT_EQ(outcome.RestorePointFailure, c.PointFailure);
    } else {
        EXPECT_THROW(library.Save(document, Path("host/"), true, answers), EInOutError);
    }
    EXPECT_EQ(answers.Asked, c.Asked);
    EXPECT_EQ(Files(), c.After);
    EXPECT_EQ(points.Kept, c.Kept);
}

// clang-format off
const TSaveCase SaveCases[] = {
    {"Plain", {{"host/Scenery.cfg", Old}}, false, false, {}, {}, TSaveResult::Saved, {{"host/Scenery.cfg", SavedOld}, {"host/Scenery.qrw", Old}}, {"host/Scenery.cfg: " + Old}},
    {"PendingInOtherCase", {{"host/Scenery.cfg", Old}, {"host/newSCENERY.cfg", Pending}}, false, false, {}, {}, TSaveResult::Saved, {{"host/Scenery.cfg", SavedPending}, {"host/Scenery.qrw", Pending}}, {"host/Scenery.cfg: " + Old, "host/Scenery.cfg pending: " + Pending}},
    {"NoLibraryNoBackupDeclined", {{"host", "<folder>"}}, false, false, {false}, {K::NoBackup}, TSaveResult::Declined, {}},
    {"NoLibraryNoBackupAccepted", {{"host", "<folder>"}}, false, false, {true}, {K::NoBackup}, TSaveResult::Saved, {{"host/Scenery.cfg", Empty}}},
    {"SimulatorRunningDeclined", {{"host/Scenery.cfg", Old}}, false, true, {false}, {K::SimulatorRunning}, TSaveResult::Declined, {{"host/Scenery.cfg", Old}}},
    {"SimulatorRunningAccepted", {{"host/Scenery.cfg", Old}}, false, true, {true}, {K::SimulatorRunning}, TSaveResult::Saved, {{"host/Scenery.cfg", SavedOld}, {"host/Scenery.qrw", Old}}, {"host/Scenery.cfg: " + Old}},
    {"PerUserCopyIsTheLibrary", {{"host/Scenery.cfg", Old}, {"user/Scenery.cfg", Pending}}, true, false, {}, {}, TSaveResult::Saved, {{"host/Scenery.cfg", Old}, {"user/Scenery.cfg", SavedPending}, {"user/Scenery.qrw", Pending}}, {"user/Scenery.cfg: " + Pending}},
    // A folder in the library's place refuses the write as a protected folder does.
    {"RefusedHostGoesToANewPerUserCopy", {{"host/Scenery.cfg", "<folder>"}}, true, false, {true, true, true}, {K::ReadFailed, K::PerUserCopy, K::NoBackup}, TSaveResult::Saved, {{"host/Scenery.cfg", "<folder>"}, {"user/Scenery.cfg", Empty}}},
    {"RefusedHostPerUserDeclined", {{"host/Scenery.cfg", "<folder>"}}, true, false, {true, false}, {K::ReadFailed, K::PerUserCopy}, TSaveResult::Declined, {{"host/Scenery.cfg", "<folder>"}}},
    {"PendingLeftWhenItCannotBeRemoved", {{"host/Scenery.cfg", Old}, {"host/NewScenery.cfg", "<folder>"}}, false, false, {true, true}, {K::ReadFailed, K::NoBackup}, TSaveResult::Saved, {{"host/NewScenery.cfg", "<folder>"}, {"host/Scenery.cfg", Empty}}, {"host/Scenery.cfg: " + Old}},
    // A per-user library has no other copy to go to: its refused write is an error.
    {"RefusedPerUserCopyFails", {{"host/Scenery.cfg", Old}, {"user/Scenery.cfg", "<folder>"}}, true, false, {true}, {K::ReadFailed}, std::nullopt, {{"host/Scenery.cfg", Old}, {"user/Scenery.cfg", "<folder>"}}},
    {"UnshownAreasDeclined", {{"host/Scenery.cfg", Unshown}}, false, false, {false}, {K::UnshownAreas}, TSaveResult::Declined, {{"host/Scenery.cfg", Unshown}}},
    {"UnshownAreasAccepted", {{"host/Scenery.cfg", Unshown}}, false, false, {true}, {K::UnshownAreas}, TSaveResult::Saved, {{"host/Scenery.cfg", SavedOld}, {"host/Scenery.qrw", Unshown}}, {"host/Scenery.cfg: " + Unshown}},
    {"NotALibraryDeclined", {{"host/Scenery.cfg", "\x89PNG"}}, false, false, {false}, {K::NotALibrary}, TSaveResult::Declined, {{"host/Scenery.cfg", "\x89PNG"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, LibrarySave, testing::ValuesIn(SaveCases), CaseName);

// The limit is tested on both sides: 1999 areas fit the file's sections, 2000 do not.
TEST_F(LibraryFiles, SavesAtMost1999Areas) {
    TLibraryFile library(Access, System);
    TSceneryDocument document = library.Load(Path("host/"), nullptr).Document;
    for (int i = 0; i < LastAreaNumber; ++i)
        document.Areas.push_back(NewEntry(TArea()));
    QDir().mkpath(QString::fromStdString(Path("host")));
    TAnswers answers({true});
    EXPECT_EQ(library.Save(document, Path("host/"), false, answers).Result, TSaveResult::Saved);
    document.Areas.push_back(NewEntry(TArea()));
    EXPECT_EQ(library.Save(document, Path("host/"), false, answers).Result, TSaveResult::TooManyAreas);
}

// What a save leaves is what a load would find: the pending file consumed, the names as written.
TEST_F(LibraryFiles, SaveNotesTheFilesAsALoadWouldFindThem) {
    for (const char* pending : {"", "host/newscenery.CFG"}) {
        Write("host/SCENERY.cfg", Old);
        if (*pending)
            Write(pending, Pending);
        TLibraryFile library(Access, System);
        TAnswers answers({});
        ASSERT_EQ(
            library.Save(library.Load(Path("host/"), nullptr).Document, Path("host/"), true, answers).Result,
            TSaveResult::Saved);
        const TLibraryChoice found = library.Locate(Path("host/"));
        EXPECT_EQ(library.Choice().ReadFrom(), found.ReadFrom()) << pending;
        EXPECT_EQ(library.Choice().Backup, found.Backup) << pending;
        EXPECT_EQ(library.ChangedOutside(Path("host/"), false), TOutsideChange::None) << pending;
    }
}

// On Windows QFile::link makes a shortcut file, which leads into no folder.
#ifdef _WIN32
constexpr bool FolderLinks = false;
#else
constexpr bool FolderLinks = true;
#endif

// A set file may replace anything but the library and its pending file, in whatever letter case and by
// whatever way to their folder the name is typed.
TEST_F(LibraryFiles, KnowsTheLibrarysFilesByName) {
    Write("host/Scenery.cfg", General);
    Write("host/NEWSCENERY.CFG", General);
    Write("other/x", "");
    ASSERT_TRUE(QFile::link(QString::fromStdString(Path("host")), QString::fromStdString(Path("link"))));
    const TLibraryFile library(Access, System);
    // clang-format off
    const std::pair<const char*, bool> cases[] = {
        {"host/Scenery.cfg", true}, {"host/scenery.CFG", true}, {"host/NewScenery.cfg", true},
        {"other/../host/SCENERY.CFG", true}, {"link/Scenery.cfg", FolderLinks}, {"other/Scenery.cfg", false},
        {"host/Scenery.cfg.sas", false}, {"host/Scenery.qrw", false}, {"host/OldScenery.cfg", false},
    };
    // clang-format on
    for (const auto& [name, named] : cases)
        EXPECT_EQ(library.NamesLibraryFile(Path(name), Path("host/")), named) << name;
}

// What installers wrote into the host folder's file while the simulator read its per-user copy: an
// area whose folder the copy has in another letter case is no new one.
TEST_F(LibraryFiles, PerUserLibraryNamesTheHostFoldersOtherAreas) {
    Write("host/Scenery.cfg",
          General + SavedArea(1, "A", "Addon\\A") + SavedArea(2, "B", "Addon\\B") + SavedArea(3, "C", ""));
    Write("user/Scenery.cfg", General + SavedArea(1, "A", "ADDON\\a"));
    System.PerUser = Path("user/");
    TLibraryFile library(Access, System);
    const TSystemHostFolders folders;
    const TLibraryLoad load = library.Load(Path("host/"), &folders);
    ASSERT_EQ(load.HostOnly.size(), 1u);
    EXPECT_EQ(load.HostOnly[0].Title, "B");
    EXPECT_EQ(load.HostFile, Path("host/Scenery.cfg"));
}

} // namespace

namespace {

struct TOutsideCase {
    const char* Name;
    std::map<std::string, std::string> Loaded;
    // What another program then writes, or removes where the bytes are "-".
    std::map<std::string, std::string> Then;
    TOutsideChange Change;
};

class LibraryChangedOutside : public LibraryFiles, public testing::WithParamInterface<TOutsideCase> {};

// The cheap look of the hint and the save's full comparison agree on what another program did.
TEST_P(LibraryChangedOutside, SaysWhatAnotherProgramDid) {
    for (const auto& [name, bytes] : GetParam().Loaded)
        Write(name, bytes);
    TLibraryFile library(Access, System);
    library.Load(Path("host/"), nullptr);
    for (const auto& [name, bytes] : GetParam().Then) {
        if (bytes == "-") {
            ASSERT_TRUE(QFile::remove(QString::fromStdString(Path(name))));
        } else {
            Write(name, bytes);
        }
    }
    EXPECT_EQ(library.ChangedOutside(Path("host/"), true), GetParam().Change);
    EXPECT_EQ(library.ChangedOutside(Path("host/"), false), GetParam().Change);
}

using C = TOutsideChange;
const std::string Cfg = "host/Scenery.cfg";
const std::string NewCfg = "host/NewScenery.cfg";

const TOutsideCase OutsideCases[] = {
    {"Untouched", {{Cfg, Old}}, {}, C::None},
    {"Changed", {{Cfg, Old}}, {{Cfg, Pending}}, C::Changed},
    {"Deleted", {{Cfg, Old}}, {{Cfg, "-"}}, C::Deleted},
    {"PendingAppeared", {{Cfg, Old}}, {{NewCfg, Pending}}, C::Pending},
    {"PendingDeleted", {{Cfg, Old}, {NewCfg, Pending}}, {{NewCfg, "-"}}, C::Pending},
    {"LibraryBesidePendingChanged", {{Cfg, Old}, {NewCfg, Pending}}, {{Cfg, Pending}}, C::Changed},
};

INSTANTIATE_TEST_SUITE_P(Cases, LibraryChangedOutside, testing::ValuesIn(OutsideCases), CaseName);

} // namespace
