#pragma once

#include "model/FileAccess.h"

// The program's files on the local file system: profiles read whole through the safe reader, outputs
// that replace their file only when complete, copies that do the same.
class TSystemFileAccess : public TFileAccess {
public:
    TProfileRead ReadProfile(const std::string& path) const override;
    std::unique_ptr<TCommittingOutput> CreateOutput(const std::string& path) const override;
    bool CopyReplacing(const std::string& source, const std::string& target) const override;
};
