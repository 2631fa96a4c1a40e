#pragma once

#include "model/library/ProfileStore.h"

#include <QString>

// The profiles as files: below the folder given, one subfolder per library named as its restore points'
// (see LibraryFolderName), one area set file "<name>.sas" per profile, written whole or not at all. A
// name matches a file in any letter case, as on Windows; "saved" is the file's modification time.
class TProfileFolder : public TProfileStore {
public:
    explicit TProfileFolder(QString folder);

    std::vector<TStoredProfile> List(const std::string& library) const override;
    std::optional<TStoredProfile> Find(const std::string& library, const std::string& name) const override;
    void Save(const std::string& library, const std::string& name,
              std::span<const TArea* const> areas) const override;
    std::string Rename(const std::string& library, const std::string& from,
                       const std::string& to) const override;
    std::string Delete(const std::string& library, const std::string& name) const override;

private:
    QString LibraryFolder(const std::string& library) const;
    // The file of the name as the folder spells it, or as it would be made.
    QString ProfileFile(const std::string& library, const std::string& name) const;

    QString FFolder;
};
