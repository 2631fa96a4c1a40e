#include "model/library/LibraryFile.h"

#include "model/document/DocumentCommands.h"
#include "model/document/FolderAreas.h"
#include "model/format/InOutError.h"
#include "model/format/ProfileFile.h"
#include "model/library/ConfigurationFile.h"
#include "model/library/FileAccess.h"
#include "model/library/FileNameCase.h"
#include "model/library/HostFolders.h"
#include "model/library/HostSystem.h"
#include "model/library/RestorePoints.h"
#include "model/library/SaveChecks.h"

namespace {
TSaveQuestion Question(TSaveQuestionKind kind, std::string path = {}, std::string otherPath = {},
                       TOutsideChange change = TOutsideChange::None, std::string text = {}) {
    TSaveQuestion question{kind, std::move(path), std::move(otherPath), change, std::move(text)};
    return question;
}
} // namespace

TLibraryFile::TLibraryFile(const TFileAccess& files, const THostSystem& system, const TRestorePoints* points)
    : Files(files), System(system), Points(points) {}

TLibraryChoice TLibraryFile::Locate(const std::string& hostFolder) const {
    const std::string perUser = System.PerUserFolder(hostFolder);
    return ChooseLibrary(hostFolder, Files.Names(hostFolder), perUser,
                         perUser.empty() ? std::vector<std::string>() : Files.Names(perUser));
}

bool TLibraryFile::NamesLibraryFile(const std::string& path, const std::string& hostFolder) const {
    const TLibraryChoice library = Locate(hostFolder);
    for (const std::string* file : {&library.File, &library.Pending})
        if (!file->empty() && SameFileName(FileNameOf(path), FileNameOf(*file)) &&
            Files.InOneFolder(path, *file))
            return true;
    return false;
}

TLibraryLoad TLibraryFile::Load(const std::string& hostFolder, const THostFolders* folders) {
    FHostFolder = hostFolder;
    FChoice = Locate(hostFolder);
    TProfileRead read = Files.ReadProfile(FChoice.ReadFrom());
    FReadFailed = !read.Failure.empty();
    FPendingStamp = FChoice.Pending.empty() ? TFileStamp() : read.Stamp;
    FFileStamp = FChoice.Pending.empty() ? read.Stamp : Files.Stamp(FChoice.File, nullptr);
    FUnread = FReadFailed ? TUnreadSections{} : FindUnreadSections(*read.Profile);
    FNotALibrarySize = FUnread.NoLibrarySection && !FReadFailed ? read.Stamp.Size : 0;
    TLibraryLoad load{ReadDocument(*read.Profile),
                      std::move(read.Failure),
                      UnreadNotice(FUnread, FileNameOf(FChoice.ReadFrom()), FNotALibrarySize),
                      {},
                      {},
                      {}};
    if (FChoice.PerUser && folders && !FReadFailed) {
        load.HostFile = ChooseLibrary(hostFolder, Files.Names(hostFolder), {}, {}).File;
        FindHostOnlyAreas(load, *folders);
    }
    return load;
}

// Folders are compared as the folder check resolves them, so "Addon Scenery\X" and an absolute path to
// the same folder in another letter case are one area.
void TLibraryFile::FindHostOnlyAreas(TLibraryLoad& load, const THostFolders& folders) const {
    const TProfileRead read = Files.ReadProfile(load.HostFile);
    if (!read.Failure.empty())
        return;
    load.HostFileHash = read.Stamp.Hash;
    const TSceneryDocument host = ReadDocument(*read.Profile);
    const std::unique_ptr<TFolderCheck> check = folders.StartCheck(FHostFolder);
    std::vector<std::string> listed;
    for (const TDocumentArea& entry : load.Document.Areas)
        listed.push_back(check->Resolve(entry.Area->Local).Path);
    std::vector<TChosenFolder> installed;
    for (const TDocumentArea& entry : host.Areas)
        installed.push_back({entry.Area->Title, entry.Area->Local, check->Resolve(entry.Area->Local).Path});
    const std::vector<char> known = AlreadyListed(installed, listed);
    for (int i = 0; i < host.Count(); ++i)
        if (!known[static_cast<std::size_t>(i)] && !host.Area(i).Local.empty())
            load.HostOnly.push_back(host.Area(i));
}

TOutsideChange TLibraryFile::ChangedOutside(const std::string& hostFolder, bool cheapLook) const {
    return OutsideChange(hostFolder, cheapLook, nullptr);
}

std::string TLibraryFile::PendingBesideLoaded(const TLibraryChoice* located) const {
    if (located && located->Folder == FChoice.Folder)
        return located->Pending;
    const std::string pendingName = FindEntry(Files.Names(FChoice.Folder), PendingFileName);
    return pendingName.empty() ? std::string() : FChoice.Folder + pendingName;
}

TOutsideChange TLibraryFile::OutsideChange(const std::string& hostFolder, bool cheapLook,
                                           const TLibraryChoice* located) const {
    if (hostFolder != FHostFolder || FReadFailed)
        return TOutsideChange::None;
    const std::string pendingPath = PendingBesideLoaded(located);
    const TFileStamp pending =
        pendingPath.empty() ? TFileStamp() : Files.Stamp(pendingPath, cheapLook ? &FPendingStamp : nullptr);
    if (!pending.SameContentAs(FPendingStamp))
        return TOutsideChange::Pending;
    const TFileStamp file = Files.Stamp(FChoice.File, cheapLook ? &FFileStamp : nullptr);
    if (file.SameContentAs(FFileStamp))
        return TOutsideChange::None;
    return file.State == TFileStamp::TState::Missing ? TOutsideChange::Deleted : TOutsideChange::Changed;
}

// Every question comes before anything is copied or written.
bool TLibraryFile::Confirmed(const TSceneryDocument& saved, const std::string& hostFolder,
                             const TLibraryChoice& choice, TSaveQuestions& questions) const {
    if (hostFolder != FHostFolder &&
        !questions.Ask(Question(TSaveQuestionKind::OtherHostFolder, FChoice.ReadFrom(), choice.File)))
        return false;
    if (hostFolder == FHostFolder && FReadFailed && !questions.Ask(Question(TSaveQuestionKind::ReadFailed)))
        return false;
    if (hostFolder == FHostFolder && !KeepsUnread(questions))
        return false;
    const TOutsideChange change = OutsideChange(hostFolder, false, &choice);
    if (change != TOutsideChange::None &&
        !questions.Ask(Question(TSaveQuestionKind::OutsideChange, {}, {}, change)))
        return false;
    if (System.SimulatorRunning() && !questions.Ask(Question(TSaveQuestionKind::SimulatorRunning)))
        return false;
    const std::string noLocal = NoLocalPathQuestion(saved.AreaPointers(), "Save");
    return noLocal.empty() || questions.Ask(Question(TSaveQuestionKind::NoLocalPath, {}, {}, {}, noLocal));
}

bool TLibraryFile::KeepsUnread(TSaveQuestions& questions) const {
    const std::string readName = FileNameOf(FChoice.ReadFrom());
    if (FNotALibrarySize > 0)
        return questions.Ask(Question(TSaveQuestionKind::NotALibrary, {}, {}, {},
                                      NotALibraryNotice(readName, FNotALibrarySize) + " Replace it anyway?"));
    return FUnread.Areas() == 0 || questions.Ask(Question(TSaveQuestionKind::UnshownAreas, {}, {}, {},
                                                          UnshownAreasQuestion(FUnread, readName)));
}

// A 64-bit program is never redirected to the per-user copy: where the host folder refuses it, the
// user may choose the copy the simulator itself would write.
std::unique_ptr<TCommittingOutput> TLibraryFile::OpenLibrary(TLibraryChoice& choice,
                                                             const std::string& hostFolder,
                                                             TSaveQuestions& questions,
                                                             bool& readOnly) const {
    try {
        return Files.CreateOutput(choice.File);
    } catch (const EInOutError& error) {
        // The file's own flag, not the folder's rights: another copy would not help, the flag would.
        readOnly = error.Code() == EInOutError::AccessDenied && Files.IsReadOnly(choice.File);
        if (readOnly)
            return nullptr;
        const std::string perUser = System.PerUserFolder(hostFolder);
        if (error.Code() != EInOutError::AccessDenied || choice.PerUser || perUser.empty())
            throw;
        if (!questions.Ask(Question(TSaveQuestionKind::PerUserCopy, hostFolder, perUser + LibraryFileName)))
            return nullptr;
        Files.MakeFolders(perUser);
        choice = {perUser, perUser + LibraryFileName, choice.Pending, perUser + BackupFileName, true};
        return Files.CreateOutput(choice.File);
    }
}

TSaveOutcome TLibraryFile::Save(const TSceneryDocument& document, const std::string& hostFolder, bool backup,
                                TSaveQuestions& questions) {
    TSaveOutcome outcome;
    // Saving numbers the areas from 1: a longer list would lose its last areas at the next load.
    if (document.Count() > LastAreaNumber) {
        outcome.Result = TSaveResult::TooManyAreas;
        return outcome;
    }
    outcome.Saved = RenumberAreas(document, {}).Document;
    TLibraryChoice choice = Locate(hostFolder);
    if (!Confirmed(outcome.Saved, hostFolder, choice, questions))
        return outcome;
    // The backup keeps what the simulator would have flown with: the pending file when there is one.
    const std::string replaced = choice.ReadFrom();
    bool readOnly = false;
    const std::unique_ptr<TCommittingOutput> output = OpenLibrary(choice, hostFolder, questions, readOnly);
    // The per-user copy, where the user chose it instead.
    outcome.File = choice.File;
    if (!output) {
        outcome.Result = readOnly ? TSaveResult::ReadOnly : TSaveResult::Declined;
        return outcome;
    }
    if (backup && !Files.CopyReplacing(replaced, choice.Backup) &&
        !questions.Ask(Question(TSaveQuestionKind::NoBackup)))
        return outcome;
    const TFileRead oldLibrary = Points ? Files.ReadBytes(choice.File) : TFileRead();
    const TFileRead oldPending =
        Points && !choice.Pending.empty() ? Files.ReadBytes(choice.Pending) : TFileRead();
    WriteConfigurationTo(*output, &outcome.Saved.General, outcome.Saved.AreaPointers());
    outcome.Result = TSaveResult::Saved;
    if (!choice.Pending.empty()) {
        outcome.PendingFailure = Files.Remove(choice.Pending);
        if (!outcome.PendingFailure.empty())
            outcome.PendingLeft = choice.Pending;
    }
    outcome.RestorePointFailure = KeepReplaced(choice, oldLibrary, oldPending, outcome);
    Remember(hostFolder, std::move(choice), outcome.PendingLeft);
    return outcome;
}

// Both points go under the library file, the one the simulator reads once the pending file is gone. A
// pending file that stays was not consumed: nothing of it is lost.
std::string TLibraryFile::KeepReplaced(const TLibraryChoice& choice, const TFileRead& library,
                                       const TFileRead& pending, const TSaveOutcome& outcome) const {
    std::string failure;
    for (const auto& [read, isPending] : {std::pair{&library, false}, std::pair{&pending, true}}) {
        if (!read->Exists || (isPending && !outcome.PendingLeft.empty()))
            continue;
        const std::string why =
            read->Failure.empty() ? Points->Keep(choice.File, read->Bytes, isPending) : read->Failure;
        if (failure.empty())
            failure = why;
    }
    return failure;
}

// What the save leaves is known without looking again: the file written, its backup, and the pending
// file only when it could not be removed and still lies beside the file written (a host folder's
// pending file is no part of the per-user library the save switched to).
void TLibraryFile::Remember(const std::string& hostFolder, TLibraryChoice written,
                            const std::string& pendingLeft) {
    if (pendingLeft.empty() || pendingLeft.compare(0, written.Folder.size(), written.Folder) != 0)
        written.Pending.clear();
    FHostFolder = hostFolder;
    FChoice = std::move(written);
    FReadFailed = false;
    FUnread = {};
    FNotALibrarySize = 0;
    FFileStamp = Files.Stamp(FChoice.File, nullptr);
    FPendingStamp = FChoice.Pending.empty() ? TFileStamp() : Files.Stamp(FChoice.Pending, nullptr);
}
