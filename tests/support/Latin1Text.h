#pragma once

#include "model/format/IniProfile.h"

#include <memory>
#include <string>
#include <string_view>

// A code page for reading profiles without the platform: each unit below 0x100 is its own byte, any
// other one is '?'. It agrees with windows-1252 on the letters the tests use.
inline std::string Latin1(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text)
        bytes += unit < 0x100 ? static_cast<char>(unit) : '?';
    return bytes;
}

inline std::unique_ptr<TIniProfile> Latin1Profile(std::string bytes) {
    return TIniProfile::FromBytes(std::move(bytes), Latin1);
}
