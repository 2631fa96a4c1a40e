#pragma once

#include "model/format/TextOutput.h"
#include "model/library/FileStamp.h"

#include <memory>
#include <string>
#include <vector>

class TProfileFile;

// A text output whose file takes the old one's place only in Commit, once every byte has reached it.
class TCommittingOutput : public TTextOutput {
public:
    // Puts the complete file in place; throws EInOutError, leaving the old file as it was, when any
    // part of it could not be written.
    virtual void Commit() = 0;
};

// What reading a profile file gave.
struct TProfileRead {
    // Never null: a missing or unreadable file gives a profile that answers every default.
    std::unique_ptr<TProfileFile> Profile;
    // Why an existing file could not be read (UTF-8); empty when it was read or does not exist.
    std::string Failure;
    // What the file held as it was read.
    TFileStamp Stamp;
};

// A file's bytes as they are.
struct TFileRead {
    bool Exists = false;
    std::string Bytes;
    // Why an existing file could not be read (UTF-8); empty when it was read or does not exist.
    std::string Failure;
};

// The files the program reads and writes, reached through one seam so that the window, the command
// line tool and the tests share the same no-loss rules. Paths are in the local 8-bit encoding.
class TFileAccess {
public:
    virtual ~TFileAccess() = default;
    // A missing file reads as an empty profile; any other failure to read it is said in Failure.
    virtual TProfileRead ReadProfile(const std::string& path) const = 0;
    // The whole file unchanged, under the same rules as a profile.
    virtual TFileRead ReadBytes(const std::string& path) const = 0;
    // Throws EInOutError when the file cannot be created.
    virtual std::unique_ptr<TCommittingOutput> CreateOutput(const std::string& path) const = 0;
    // Copies the file over the target; false when anything fails, the target then being as it was.
    virtual bool CopyReplacing(const std::string& source, const std::string& target) const = 0;
    // The path of the file the host would open: the last component as spelt on the disk when a file
    // of that name exists in another letter case, else the path as given. A new file made under the
    // answer never stands beside one whose name differs from it only in case.
    virtual std::string ExistingSpelling(const std::string& path) const = 0;
    // Both paths name entries of one folder, as the system resolves folders (links, "..", a relative
    // path); neither entry need exist.
    virtual bool InOneFolder(const std::string& one, const std::string& other) const = 0;
    // What the file holds now. When known is given and the file's size and time still equal it, known
    // comes back without the bytes being read (see TFileStamp::SameSizeAndTimeAs).
    virtual TFileStamp Stamp(const std::string& path, const TFileStamp* known) const = 0;
    // The names of every entry of the folder (files, folders and all else); none when it cannot be
    // listed.
    virtual std::vector<std::string> Names(const std::string& folder) const = 0;
    // Makes the folder and the folders above it that are missing; a failure shows when the file that
    // needed them is created.
    virtual void MakeFolders(const std::string& folder) const = 0;
    // The file exists and its read-only flag (its write permission elsewhere) refuses a write.
    virtual bool IsReadOnly(const std::string& path) const = 0;
    // Removes the file; why not (UTF-8) when that fails, else empty. A file already gone is removed.
    virtual std::string Remove(const std::string& path) const = 0;
};
