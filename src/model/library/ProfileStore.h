#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

class TArea;

// A profile as it is stored.
struct TStoredProfile {
    // Local 8-bit encoding, as the file is named.
    std::string Name;
    // The file that holds it, in the local 8-bit encoding.
    std::string File;
    // The local date and time it was last saved: "2026-12-10 14:31:07".
    std::string Saved;
};

// Where the profiles of each library file (its full path, in the local 8-bit encoding) are kept, one
// area set file per profile. Names follow ProfileNameError and match as Windows matches file names.
class TProfileStore {
public:
    virtual ~TProfileStore() = default;
    // The library's profiles, the newest first.
    virtual std::vector<TStoredProfile> List(const std::string& library) const = 0;
    virtual std::optional<TStoredProfile> Find(const std::string& library, const std::string& name) const = 0;
    // Writes the areas as the named profile, replacing one of that name. Throws EInOutError when the file
    // cannot be written, an old one then being as it was.
    virtual void Save(const std::string& library, const std::string& name,
                      std::span<const TArea* const> areas) const = 0;
    // Why not (UTF-8), else empty; a profile of the new name is never replaced.
    virtual std::string Rename(const std::string& library, const std::string& from,
                               const std::string& to) const = 0;
    virtual std::string Delete(const std::string& library, const std::string& name) const = 0;
};
