#pragma once

#include "model/format/ProfileFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Text in the ANSI code page, the characters it lacks as '?': the code page is the system's, so the
// platform gives it.
using TAnsiEncoder = std::function<std::string(std::u16string_view text)>;

// A profile file parsed once and answered from memory, with the rules of the host's own profile
// lookup (GetPrivateProfileStringA) for every detail that decides a result. Not for use from
// several threads at once: lookups share a cache.
class TIniProfile : public TProfileFile {
public:
    // A file with a byte order mark is brought into the ANSI code page through toAnsi first.
    static std::unique_ptr<TIniProfile> FromBytes(std::string bytes, const TAnsiEncoder& toAnsi);
    ~TIniProfile() override;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    std::vector<std::string> SectionNames() const override;

private:
    struct TIndex;
    std::optional<std::uint32_t> FindSection(std::string_view section) const;
    TIniProfile(std::string bytes, const TAnsiEncoder& toAnsi);
    std::string FBytes;
    std::unique_ptr<TIndex> FIndex;
};
