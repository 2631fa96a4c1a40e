#pragma once

// Builds .bgl files of the simulator's generation for tests and benchmarks: the header, the section
// table, each section's subsection table and the records, laid out one after the other.

#include <cstdint>
#include <string>
#include <vector>

namespace bgl {

constexpr std::uint16_t Fs2004Airport = 0x0003;
constexpr std::uint16_t FsxAirport = 0x003C;
constexpr std::uint16_t P3dAirport = 0x00AB;
constexpr std::uint16_t MsfsAirport = 0x0056;
constexpr std::uint32_t AirportSection = 0x0003;
constexpr std::uint32_t HeaderSize = 0x38;
constexpr std::uint32_t SectionEntrySize = 20;

inline void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
}

inline std::string U32(std::uint32_t value) {
    std::string bytes(4, '\0');
    PutU32(bytes, 0, value);
    return bytes;
}

// The reverse of the reader's decoding: base-38 digits above five low bits.
inline std::uint32_t EncodeIdent(const std::string& ident) {
    std::uint32_t value = 0;
    for (const char c : ident)
        value = value * 38 + (c == ' '   ? 0
                              : c <= '9' ? static_cast<std::uint32_t>(c - '0' + 2)
                                         : static_cast<std::uint32_t>(c - 'A' + 12));
    return value << 5;
}

// A record: its type, its size (header and children included), then the body.
inline std::string Record(std::uint16_t type, const std::string& body) {
    std::string bytes{static_cast<char>(type & 0xFF), static_cast<char>(type >> 8)};
    return bytes + U32(static_cast<std::uint32_t>(body.size() + 6)) + body;
}

// An airport record as the simulator's compiler writes it: the fixed part of that simulator's size
// with the ident at 0x28, then its children (a name and a runway), the record's size covering them.
inline std::string Airport(const std::string& ident, std::uint16_t type = Fs2004Airport) {
    const std::size_t fixedPart = type == Fs2004Airport ? 0x34 : type == FsxAirport ? 0x38 : 0x3C;
    std::string body(0x28 - 6, '\x11');
    body += U32(EncodeIdent(ident)) + std::string(fixedPart - 0x2C, '\x11');
    return Record(type, body + Record(0x0019, ident + "Field") + Record(0x0004, std::string(10, '\x22')));
}

// A subsection is a run of records; Records is the count its entry states.
struct TSubsection {
    std::vector<std::string> Records;
};

struct TSection {
    std::uint32_t Type = AirportSection;
    // Subsection entries of 20 bytes instead of 16.
    bool Wide = false;
    std::vector<TSubsection> Subsections;
};

inline std::string File(const std::vector<TSection>& sections) {
    std::string header(HeaderSize, '\0');
    PutU32(header, 0, 0x19920201);
    PutU32(header, 4, HeaderSize);
    PutU32(header, 0x14, static_cast<std::uint32_t>(sections.size()));
    std::string table, rest;
    const std::size_t restAt = HeaderSize + SectionEntrySize * sections.size();
    for (const TSection& section : sections) {
        const std::uint32_t entrySize = section.Wide ? 20 : 16;
        const std::size_t subTableAt = restAt + rest.size();
        std::string subTable, data;
        std::size_t dataAt = subTableAt + entrySize * section.Subsections.size();
        for (const TSubsection& subsection : section.Subsections) {
            std::string records;
            for (const std::string& record : subsection.Records)
                records += record;
            subTable += std::string(entrySize - 12, '\x33') +
                        U32(static_cast<std::uint32_t>(subsection.Records.size())) +
                        U32(static_cast<std::uint32_t>(dataAt + data.size())) +
                        U32(static_cast<std::uint32_t>(records.size()));
            data += records;
        }
        table += U32(section.Type) + U32(section.Wide ? 0x10001 : 0x1) +
                 U32(static_cast<std::uint32_t>(section.Subsections.size())) +
                 U32(static_cast<std::uint32_t>(subTableAt)) +
                 U32(static_cast<std::uint32_t>(subTable.size()));
        rest += subTable + data;
    }
    return header + table + rest;
}

// A file with one airport section holding these airports in one subsection.
inline std::string AirportFile(const std::vector<std::string>& idents) {
    TSubsection subsection;
    for (const std::string& ident : idents)
        subsection.Records.push_back(Airport(ident));
    return File({{AirportSection, false, {subsection}}});
}

} // namespace bgl
