#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A file in the host's profile format, asked for values by section and key. Section and key names
// match without regard to ASCII letter case; the first matching section and key win.
class TProfileFile {
public:
    virtual ~TProfileFile() = default;
    // The key's value, or the default when the section or key is missing.
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    // The name of every section in file order, a repeated name as often as it stands there.
    virtual std::vector<std::string> SectionNames() const = 0;
};

// The value converted as an integer (decimal or hexadecimal with $, x, X, 0x, 0X), or the default.
std::int32_t ReadInteger(const TProfileFile& file, std::string_view section, std::string_view key,
                         std::int32_t defaultValue);
// True exactly when the value is TRUE in any letter case.
bool ReadFlag(const TProfileFile& file, std::string_view section, std::string_view key);
