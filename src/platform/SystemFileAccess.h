#pragma once

#include "model/library/FileAccess.h"

// The program's files on the local file system: profiles read whole through the safe reader, outputs
// that replace their file only when complete, copies that do the same, names matched as the host
// matches them.
class TSystemFileAccess : public TFileAccess {
public:
    TProfileRead ReadProfile(const std::string& path) const override;
    TFileRead ReadBytes(const std::string& path) const override;
    std::unique_ptr<TCommittingOutput> CreateOutput(const std::string& path) const override;
    bool CopyReplacing(const std::string& source, const std::string& target) const override;
    std::string ExistingSpelling(const std::string& path) const override;
    bool InOneFolder(const std::string& one, const std::string& other) const override;
    TFileStamp Stamp(const std::string& path, const TFileStamp* known) const override;
    std::vector<std::string> Names(const std::string& folder) const override;
    void MakeFolders(const std::string& folder) const override;
    bool IsReadOnly(const std::string& path) const override;
    std::string Remove(const std::string& path) const override;
};
