#include "model/format/ProfileFile.h"

#include "model/format/IntegerText.h"

std::int32_t ReadInteger(const TProfileFile& file, std::string_view section, std::string_view key,
                         std::int32_t defaultValue) {
    return ParseInteger(file.ReadString(section, key, "")).value_or(defaultValue);
}

bool ReadFlag(const TProfileFile& file, std::string_view section, std::string_view key) {
    std::string value = file.ReadString(section, key, "");
    for (char& c : value) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return value == "TRUE";
}
