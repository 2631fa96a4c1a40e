#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the preferences live between runs: one string value per name under the program's own key
// (the registry on Windows, an INI file elsewhere). Values are bytes in the ANSI code page.
class TPrefsStore {
public:
    virtual ~TPrefsStore() = default;
    // No value when the name was never written.
    virtual std::optional<std::string> ReadValue(std::string_view name) const = 0;
    // Reaches the store at once: a crash afterwards does not lose it.
    virtual void WriteValue(std::string_view name, const std::string& value) = 0;
};
