#include "model/format/QuarrowTypes.h"

#include "model/format/ProfileFile.h"
#include "model/format/TextOutput.h"

#include <array>

namespace {

// A value can never hold a line break in this format: CR, LF and NUL are written as blanks, so no
// text from a record can inject keys or sections into the file.
void WriteKey(TTextOutput& output, std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).push_back('=');
    for (char c : value)
        line.push_back(c == '\r' || c == '\n' || c == '\0' ? ' ' : c);
    output.WriteLine(line);
}

// Flatten.0 to Flatten.19: only the first twenty entries of an area are read.
const std::array<std::string, 20>& FlattenKeyNames() {
    static const auto names = [] {
        std::array<std::string, 20> keys;
        for (std::size_t i = 0; i < keys.size(); ++i)
            keys[i] = "Flatten." + std::to_string(i);
        return keys;
    }();
    return names;
}

const char* FlagText(bool flag) {
    return flag ? "TRUE" : "FALSE";
}

} // namespace

std::string AreaSectionName(std::int32_t n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return "Area." + digits;
}

void TArea::Assign(const TArea& source) {
    if (this != &source)
        *this = source;
}

bool TArea::LoadFrom(const TProfileFile& file, int n) {
    const std::string section = AreaSectionName(n);
    std::string local = file.ReadString(section, "Local", "");
    if (local.empty())
        return false;
    Number = n;
    Title = file.ReadString(section, "Title", "");
    Local = std::move(local);
    Remote = file.ReadString(section, "Remote", "");
    Layer = ReadInteger(file, section, "Layer", 0);
    Active = ReadFlag(file, section, "Active");
    Required = ReadFlag(file, section, "Required");
    TextureId = ReadInteger(file, section, "Texture_ID", -9999);
    Exclude = file.ReadString(section, "Exclude", "");
    Flatten.clear();
    for (const std::string& key : FlattenKeyNames()) {
        std::string entry = file.ReadString(section, key, "");
        if (!entry.empty())
            Flatten.push_back(std::move(entry));
    }
    return true;
}

void TArea::WriteTo(TTextOutput& output) const {
    output.WriteLine("[" + AreaSectionName(Number) + "]");
    WriteKey(output, "Title", Title);
    if (TextureId > 0)
        WriteKey(output, "Texture_ID", std::to_string(TextureId));
    WriteKey(output, "Layer", std::to_string(Layer));
    WriteKey(output, "Active", FlagText(Active));
    WriteKey(output, "Required", FlagText(Required));
    WriteKey(output, "Local", Local);
    WriteKey(output, "Remote", Remote);
    if (!Exclude.empty())
        WriteKey(output, "Exclude", Exclude);
    for (std::size_t i = 0; i < Flatten.size(); ++i)
        WriteKey(output, "Flatten." + std::to_string(i), Flatten[i]);
    output.WriteLine("");
}

void TGeneral::LoadFrom(const TProfileFile& file) {
    Title = file.ReadString("General", "Title", "");
    Description = file.ReadString("General", "Description", "");
    CleanOnExit = ReadFlag(file, "General", "Clean_On_Exit");
}

void TGeneral::WriteTo(TTextOutput& output) const {
    output.WriteLine("[General]");
    WriteKey(output, "Title", Title);
    WriteKey(output, "Description", Description);
    WriteKey(output, "Clean_on_Exit", FlagText(CleanOnExit));
    output.WriteLine("");
}

// A section without an area leaves the fresh record untouched, so it serves the next number too.
void SweepAreas(const TProfileFile& file, const TAreaVisitor& visitor) {
    auto area = std::make_unique<TArea>();
    for (int n = 0; n <= LastAreaNumber; ++n) {
        if (area->LoadFrom(file, n)) {
            visitor(std::move(area));
            area = std::make_unique<TArea>();
        }
    }
}
