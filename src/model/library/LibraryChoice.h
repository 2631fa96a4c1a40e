#pragma once

#include <string>
#include <vector>

// The simulator's names for its library, its own pending replacement and Quarrow's backup beside them.
inline const std::string LibraryFileName = "Scenery.cfg";
inline const std::string PendingFileName = "NewScenery.cfg";
inline const std::string BackupFileName = "Scenery.qrw";

// The folder below the host folder where add-ons are installed, and so where looking for one starts.
std::string AddOnFolder(const std::string& hostFolder);

// Why a file is the library the simulator will read.
enum class TLibraryKind {
    // The host folder's own Scenery.cfg.
    Plain,
    // NewScenery.cfg, which the simulator's own Scenery Library wrote and swaps in at its next start.
    Pending,
    // The per-user copy Windows keeps for the simulator when it writes into a protected folder.
    PerUser,
};

// The word `quarrow-cfg where` prints for the kind: plain, pending, per-user.
const char* LibraryKindWord(TLibraryKind kind);

// The files that make up the library of one host folder, each spelt as it exists on the disk (the
// canonical name where none exists). Folders end in their separator.
struct TLibraryChoice {
    std::string Folder;
    // The Scenery.cfg a save writes.
    std::string File;
    // A pending NewScenery.cfg beside File; empty when there is none.
    std::string Pending;
    std::string Backup;
    bool PerUser = false;

    TLibraryKind Kind() const;
    // What the simulator will fly with, and so what Quarrow loads: the pending file when there is one.
    const std::string& ReadFrom() const { return Pending.empty() ? File : Pending; }
};

// The last component of a path, after either separator: a file's name as it is spelt in its folder.
std::string FileNameOf(const std::string& path);

// The entry of a folder the simulator opens under this name: the exact spelling first, else the first
// in name order that matches without regard to letter case; empty when none does.
std::string FindEntry(const std::vector<std::string>& names, const std::string& wanted);

// Which files are the library, from what exists. The per-user folder is empty where the system keeps
// no per-user copy of the host folder; once it holds a Scenery.cfg or a NewScenery.cfg, the simulator
// reads that folder and not the host folder.
TLibraryChoice ChooseLibrary(const std::string& hostFolder, const std::vector<std::string>& hostNames,
                             const std::string& perUserFolder, const std::vector<std::string>& perUserNames);
