#pragma once

#include "model/document/SceneryDocument.h"
#include "model/format/UnreadSections.h"
#include "model/library/FileAccess.h"
#include "model/library/FileStamp.h"
#include "model/library/LibraryChoice.h"

#include <memory>
#include <string>
#include <vector>

class THostFolders;
class THostSystem;
class TRestorePoints;

// What another program did to the library since Quarrow last read or wrote it.
enum class TOutsideChange { None, Changed, Deleted, Pending };

// The questions a save may ask, in the order it asks them; any No stops the save before anything is
// written.
enum class TSaveQuestionKind {
    // The settings moved the host folder since the list was loaded.
    OtherHostFolder,
    ReadFailed,
    // The file read is no library, or holds areas the list does not show: the save would drop them.
    NotALibrary,
    UnshownAreas,
    OutsideChange,
    SimulatorRunning,
    NoLocalPath,
    // The host folder refuses the write; the simulator's per-user copy would be read instead.
    PerUserCopy,
    NoBackup,
};

struct TSaveQuestion {
    TSaveQuestionKind Kind;
    // OtherHostFolder: the file the list came from, then the one it would replace. PerUserCopy: the host
    // folder, then the per-user file. Local 8-bit encoding.
    std::string Path;
    std::string OtherPath;
    TOutsideChange Change = TOutsideChange::None;
    // NoLocalPath: the whole question, in the ANSI code page; NotALibrary, UnshownAreas: in the local
    // 8-bit encoding, as they name a file.
    std::string Text;
};

// The user's answers, asked only while the save may still stop.
class TSaveQuestions {
public:
    virtual ~TSaveQuestions() = default;
    virtual bool Ask(const TSaveQuestion& question) = 0;
};

struct TLibraryLoad {
    TSceneryDocument Document;
    // Why the library exists but could not be read (UTF-8); empty when it was read or is missing.
    std::string Failure;
    // What the list does not show of the file read, said at once since a save drops it (ANSI); empty
    // when the list shows all of it.
    std::string Warning;
    // Areas of the host folder's own Scenery.cfg whose folder no area of the per-user library has: what
    // installers added while the simulator read its per-user copy.
    std::vector<TArea> HostOnly;
    // The host folder's own Scenery.cfg, which HostOnly comes from, and the digest of its bytes.
    std::string HostFile;
    std::string HostFileHash;
};

// ReadOnly: the library file's own read-only flag refused the write; nothing was written.
enum class TSaveResult { Saved, TooManyAreas, Declined, ReadOnly };

struct TSaveOutcome {
    TSaveResult Result = TSaveResult::Declined;
    // The library file the save wrote, or meant to write.
    std::string File;
    // What was written: the document numbered from 1.
    TSceneryDocument Saved;
    // The pending file that could not be removed, and why (UTF-8); the simulator will swap it in.
    std::string PendingLeft;
    std::string PendingFailure;
    // Why what the save replaced could not be kept as a restore point (UTF-8); the save stands.
    std::string RestorePointFailure;
};

// The simulator's library of one host folder: which file it is, reading it with its stamps, and the
// whole save with its questions, backup, write, the pending file's removal and the restore points. The
// window and the command-line tool both go through it, so they read and write the same file.
class TLibraryFile {
public:
    // Without restore points a save keeps only the backup.
    TLibraryFile(const TFileAccess& files, const THostSystem& system, const TRestorePoints* points = nullptr);

    // Which files are the host folder's library as things now stand on the disk.
    TLibraryChoice Locate(const std::string& hostFolder) const;
    // The path names one of the files the simulator reads as the host folder's library (Scenery.cfg or
    // a pending NewScenery.cfg), whether or not it exists yet and in whatever letter case it is typed:
    // such a file must never be overwritten with anything but the library.
    bool NamesLibraryFile(const std::string& path, const std::string& hostFolder) const;
    // Reads the library of the host folder and records what it and the pending file held. With folders
    // given, a per-user library is compared with the host folder's own file.
    TLibraryLoad Load(const std::string& hostFolder, const THostFolders* folders);
    // Saves the document as the library of the host folder (the settings' one, which may differ from
    // the loaded one). Throws EInOutError when writing fails, the old file then being as it was.
    TSaveOutcome Save(const TSceneryDocument& document, const std::string& hostFolder, bool backup,
                      TSaveQuestions& questions);
    // The cheap look compares size and time only, for a hint; a save compares the bytes.
    TOutsideChange ChangedOutside(const std::string& hostFolder, bool cheapLook) const;

    // The files the list was last read from or written to.
    const TLibraryChoice& Choice() const { return FChoice; }
    const std::string& HostFolder() const { return FHostFolder; }

private:
    bool Confirmed(const TSceneryDocument& saved, const std::string& hostFolder, const TLibraryChoice& choice,
                   TSaveQuestions& questions) const;
    // As ChangedOutside; a choice located just now spares listing its folder again.
    TOutsideChange OutsideChange(const std::string& hostFolder, bool cheapLook,
                                 const TLibraryChoice* located) const;
    // The pending file beside the file last read or written as things stand now; empty when none.
    std::string PendingBesideLoaded(const TLibraryChoice* located) const;
    // The output for the library file, or for the per-user copy when the host folder refuses it and the
    // user agrees; null when the user does not, or when the file is read-only (then said in readOnly).
    std::unique_ptr<TCommittingOutput> OpenLibrary(TLibraryChoice& choice, const std::string& hostFolder,
                                                   TSaveQuestions& questions, bool& readOnly) const;
    // Notes what the save wrote, as the next load would find it.
    void Remember(const std::string& hostFolder, TLibraryChoice written, const std::string& pendingLeft);
    // Keeps what the save replaced, once the new library is in place; why not, else empty.
    std::string KeepReplaced(const TLibraryChoice& choice, const TFileRead& library, const TFileRead& pending,
                             const TSaveOutcome& outcome) const;
    // The questions about what the file read holds and the list does not show.
    bool KeepsUnread(TSaveQuestions& questions) const;
    // Fills HostOnly and HostFileHash from HostFile.
    void FindHostOnlyAreas(TLibraryLoad& load, const THostFolders& folders) const;

    const TFileAccess& Files;
    const THostSystem& System;
    const TRestorePoints* Points;
    std::string FHostFolder;
    TLibraryChoice FChoice;
    TFileStamp FFileStamp;
    TFileStamp FPendingStamp;
    bool FReadFailed = false;
    TUnreadSections FUnread;
    // The size of a file read that is no library; 0 for a library or an empty file.
    std::uint64_t FNotALibrarySize = 0;
};
