#include "model/scan/BglAirports.h"

#include "model/scan/IcaoIdent.h"

#include <cstdint>

namespace {

constexpr std::uint32_t BglMagic = 0x19920201;
constexpr std::uint64_t HeaderSize = 0x38;
constexpr std::uint64_t SectionCountAt = 0x14;
constexpr std::uint64_t SectionEntrySize = 20;
constexpr std::uint32_t AirportSection = 0x0003;
constexpr std::uint16_t Fs2004Airport = 0x003C;
constexpr std::uint16_t LaterAirport = 0x0056;
constexpr std::uint64_t RecordHeaderSize = 6;
constexpr std::uint64_t IdentAt = 0x28;

using TBytes = std::vector<unsigned char>;

std::uint32_t U16(const TBytes& bytes, std::uint64_t at) {
    return bytes[at] | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t U32(const TBytes& bytes, std::uint64_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

class TAirportReader {
public:
    explicit TAirportReader(TByteSource& source) : FSource(source), FSize(source.Size()), FBudget(FSize) {}

    TBglAirports Read() {
        TBytes header;
        if (!Block(0, FSize < HeaderSize ? FSize : HeaderSize, header) || header.size() < 4)
            return {};
        if (U32(header, 0) != BglMagic)
            return {TBglAirports::TState::OtherFormat, {}};
        if (header.size() < HeaderSize || U32(header, 4) < HeaderSize)
            return {};
        TBytes sections;
        if (!Block(U32(header, 4), SectionEntrySize * U32(header, SectionCountAt), sections))
            return {};
        for (std::uint64_t at = 0; at < sections.size(); at += SectionEntrySize)
            if (U32(sections, at) == AirportSection && !Section(sections, at))
                return {};
        return {TBglAirports::TState::Read, std::move(FIdents)};
    }

private:
    // The bytes of a part of the file; false when it lies outside the file or cannot be read.
    bool Block(std::uint64_t offset, std::uint64_t count, TBytes& into) {
        if (offset > FSize || count > FSize - offset)
            return false;
        into.resize(count);
        return count == 0 || FSource.Read(offset, count, into.data());
    }

    // Airport data beyond the file's own size can only come from parts read more than once.
    bool Spend(std::uint64_t count) {
        if (count > FBudget)
            return false;
        FBudget -= count;
        return true;
    }

    bool Section(const TBytes& sections, std::uint64_t at) {
        const std::uint64_t entrySize = ((U32(sections, at + 4) & 0x10000) | 0x40000) >> 0x0E;
        const std::uint64_t tableSize = entrySize * U32(sections, at + 8);
        TBytes table;
        if (!Spend(tableSize) || !Block(U32(sections, at + 12), tableSize, table))
            return false;
        for (std::uint64_t entry = 0; entry < table.size(); entry += entrySize) {
            // After the area key: the record count, the data's offset and its size.
            const std::uint64_t fields = entry + entrySize - 12;
            if (!Subsection(U32(table, fields), U32(table, fields + 4), U32(table, fields + 8)))
                return false;
        }
        return true;
    }

    bool Subsection(std::uint32_t records, std::uint32_t offset, std::uint32_t size) {
        TBytes data;
        if (!Spend(size) || !Block(offset, size, data))
            return false;
        std::uint64_t at = 0;
        for (std::uint32_t record = 0; record < records && at < data.size(); ++record) {
            if (data.size() - at < RecordHeaderSize)
                return false;
            const std::uint32_t type = U16(data, at);
            const std::uint64_t recordSize = U32(data, at + 2);
            if (recordSize < RecordHeaderSize || recordSize > data.size() - at)
                return false;
            if (type == Fs2004Airport || type == LaterAirport) {
                if (recordSize < IdentAt + 4)
                    return false;
                FIdents.push_back(DecodeIcaoIdent(U32(data, at + IdentAt)));
            }
            at += recordSize;
        }
        return true;
    }

    TByteSource& FSource;
    const std::uint64_t FSize;
    std::uint64_t FBudget;
    std::vector<std::string> FIdents;
};

} // namespace

TBglAirports ReadBglAirports(TByteSource& source) {
    return TAirportReader(source).Read();
}
