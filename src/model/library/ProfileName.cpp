#include "model/library/ProfileName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// Windows opens these as devices, whatever follows the first dot.
bool IsDeviceName(const std::string& fileName) {
    std::string name = fileName.substr(0, fileName.find('.'));
    static const std::array<std::string, 6> plain{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (std::find(plain.begin(), plain.end(), name) != plain.end())
        return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) && name[3] >= '1' &&
           name[3] <= '9';
}

} // namespace

std::string ProfileNameError(const std::string& name) {
    if (name.empty())
        return "A profile needs a name.";
    const bool control =
        std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (control || name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return "A profile name cannot hold any of \\ / : * ? \" < > |.";
    if (name.back() == '.' || name.back() == ' ')
        return "A profile name cannot end in a dot or a blank.";
    if (IsDeviceName(name))
        return "Windows keeps the name " + name + " for a device: choose another profile name.";
    return {};
}
