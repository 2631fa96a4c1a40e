#include "model/format/IniProfile.h"

#include "model/format/MarkedText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t MaxValueLength = 2047;

// Byte ranges into the file's text, kept small: the index stays within a few times the file's size.
struct TRange {
    std::uint32_t Offset = 0;
    std::uint32_t Length = 0;
};

struct TEntry {
    TRange Key;
    TRange Value;
};

struct TSection {
    TRange Name;
    std::uint32_t FirstEntry = 0;
    std::uint32_t EntryCount = 0;
};

std::string_view Slice(const std::string& bytes, TRange range) {
    return std::string_view(bytes).substr(range.Offset, range.Length);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare without regard to case for the ASCII letters only; bytes from 0x80 compare exactly.
int CompareNames(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(FoldCase(a[i]));
        const auto y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool NamesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNames(a, b) == 0;
}

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One enclosing pair of the same quotation mark is removed, nothing else.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A file that starts with a byte order mark is decoded and brought into the ANSI code page, as the
// host's lookup does; without this a UTF-16 file would read as an empty library.
std::string ToAnsiBytes(std::string bytes, const TAnsiEncoder& toAnsi) {
    const std::optional<std::u16string> text = DecodeMarkedText(bytes);
    if (!text)
        return bytes;
    return toAnsi(*text);
}

} // namespace

struct TIniProfile::TIndex {
    std::vector<TSection> Sections;
    std::vector<TEntry> Entries;
    std::vector<std::uint32_t> SortedSections; // by folded name, file order among equal names
    std::optional<std::uint32_t> LastSection;
};

namespace {

class TParser {
public:
    TParser(std::string_view text, std::vector<TSection>& sections, std::vector<TEntry>& entries)
        : FText(text), FSections(sections), FEntries(entries) {}

    void Run() {
        std::size_t pos = 0;
        while (pos < FText.size()) {
            std::size_t end = pos;
            while (end < FText.size() && FText[end] != '\r' && FText[end] != '\n')
                ++end;
            ParseLine(pos, end);
            pos = end;
            if (pos < FText.size())
                pos += FText.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
        }
    }

private:
    TRange RangeOf(std::string_view part) const {
        return {static_cast<std::uint32_t>(part.data() - FText.data()),
                static_cast<std::uint32_t>(part.size())};
    }

    // The line is split first (a header runs to its last ']', a key ends at the first '='); then a NUL
    // ends the name or value it stands in, since the lookup hands out C strings.
    void ParseLine(std::size_t begin, std::size_t end) {
        const std::string_view line = Trim(FText.substr(begin, end - begin));
        if (line.starts_with('['))
            return ParseHeader(line);
        const std::size_t equals = line.find('=');
        if (!FInSection || equals == std::string_view::npos)
            return;
        const std::string_view value = Unquote(Trim(CutAtNul(line.substr(equals + 1))));
        FEntries.push_back(
            {RangeOf(Trim(CutAtNul(line.substr(0, equals)))), RangeOf(value.substr(0, MaxValueLength))});
        ++FSections.back().EntryCount;
    }

    // A line starting with '[' always ends the section before it; without ']' it names none.
    void ParseHeader(std::string_view line) {
        const std::size_t close = line.rfind(']');
        FInSection = close != std::string_view::npos;
        if (FInSection)
            FSections.push_back({RangeOf(Trim(CutAtNul(line.substr(1, close - 1)))),
                                 static_cast<std::uint32_t>(FEntries.size()), 0});
    }

    std::string_view FText;
    std::vector<TSection>& FSections;
    std::vector<TEntry>& FEntries;
    bool FInSection = false;
};

} // namespace

TIniProfile::TIniProfile(std::string bytes, const TAnsiEncoder& toAnsi)
    : FBytes(ToAnsiBytes(std::move(bytes), toAnsi)), FIndex(std::make_unique<TIndex>()) {
    // Offsets are 32-bit to keep the index small; a larger file is no scenery library.
    if (FBytes.size() > UINT32_MAX)
        FBytes.clear();
    TParser(FBytes, FIndex->Sections, FIndex->Entries).Run();
    auto& sorted = FIndex->SortedSections;
    sorted.resize(FIndex->Sections.size());
    for (std::uint32_t i = 0; i < sorted.size(); ++i)
        sorted[i] = i;
    std::stable_sort(sorted.begin(), sorted.end(), [this](std::uint32_t a, std::uint32_t b) {
        return CompareNames(Slice(FBytes, FIndex->Sections[a].Name),
                            Slice(FBytes, FIndex->Sections[b].Name)) < 0;
    });
}

TIniProfile::~TIniProfile() = default;

std::unique_ptr<TIniProfile> TIniProfile::FromBytes(std::string bytes, const TAnsiEncoder& toAnsi) {
    return std::unique_ptr<TIniProfile>(new TIniProfile(std::move(bytes), toAnsi));
}

// Reading an area asks the same section for some thirty keys, so the last section found is kept.
std::optional<std::uint32_t> TIniProfile::FindSection(std::string_view section) const {
    const auto& sections = FIndex->Sections;
    const auto last = FIndex->LastSection;
    if (last && NamesEqual(Slice(FBytes, sections[*last].Name), section))
        return last;
    const auto& sorted = FIndex->SortedSections;
    // The first section of that name wins, even when it lacks the key and a later one has it.
    const auto found =
        std::lower_bound(sorted.begin(), sorted.end(), section, [&](std::uint32_t i, std::string_view name) {
            return CompareNames(Slice(FBytes, sections[i].Name), name) < 0;
        });
    if (found == sorted.end() || !NamesEqual(Slice(FBytes, sections[*found].Name), section))
        return std::nullopt;
    FIndex->LastSection = *found;
    return *found;
}

std::string TIniProfile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const auto index = FindSection(section);
    if (!index)
        return std::string(defaultValue);
    const TSection& match = FIndex->Sections[*index];
    for (std::uint32_t i = match.FirstEntry; i < match.FirstEntry + match.EntryCount; ++i) {
        const TEntry& entry = FIndex->Entries[i];
        if (NamesEqual(Slice(FBytes, entry.Key), key))
            return std::string(Slice(FBytes, entry.Value));
    }
    return std::string(defaultValue);
}

std::vector<std::string> TIniProfile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(FIndex->Sections.size());
    for (const TSection& section : FIndex->Sections)
        names.emplace_back(Slice(FBytes, section.Name));
    return names;
}
