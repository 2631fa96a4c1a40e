#pragma once

#include "model/format/ProfileFile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// A profile file parsed once and answered from memory, with the rules of the host's own profile
// lookup (GetPrivateProfileStringA) for every detail that decides a result. Not for use from
// several threads at once: lookups share a cache.
class TIniProfile : public TProfileFile {
public:
    static std::unique_ptr<TIniProfile> FromBytes(std::string bytes);
    ~TIniProfile() override;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    std::vector<std::string> SectionNames() const override;

private:
    struct TIndex;
    std::optional<std::uint32_t> FindSection(std::string_view section) const;
    explicit TIniProfile(std::string bytes);
    std::string FBytes;
    std::unique_ptr<TIndex> FIndex;
};
