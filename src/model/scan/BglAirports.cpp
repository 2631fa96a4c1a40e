#include "model/scan/BglAirports.h"

#include "model/scan/IcaoIdent.h"

#include <cstdint>

namespace {

constexpr std::uint32_t BglMagic = 0x19920201;
constexpr std::uint64_t HeaderSize = 0x38;
constexpr std::uint64_t SectionCountAt = 0x14;
constexpr std::uint64_t SectionEntrySize = 20;
constexpr std::uint32_t AirportSection = 0x0003;
// The one airport record FS2004 reads, and the size of its part before the children.
constexpr std::uint32_t Fs2004Airport = 0x0003;
constexpr std::uint64_t Fs2004FixedPart = 0x34;
// FSX, Prepar3D v5 and later, and the 2020 simulator keep their airports in the same section.
constexpr std::uint32_t LaterAirports[] = {0x003C, 0x00AB, 0x0056};
constexpr std::uint64_t RecordHeaderSize = 6;
constexpr std::uint64_t IdentAt = 0x28;

const char* const CutShort = "cut short or pointing outside itself";

using TBytes = std::vector<unsigned char>;

std::uint32_t U16(const TBytes& bytes, std::uint64_t at) {
    return bytes[at] | static_cast<std::uint32_t>(bytes[at + 1]) << 8;
}

std::uint32_t U32(const TBytes& bytes, std::uint64_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

bool IsLaterAirport(std::uint32_t type) {
    for (const std::uint32_t later : LaterAirports)
        if (type == later)
            return true;
    return false;
}

class TAirportReader {
public:
    explicit TAirportReader(TByteSource& source) : FSource(source), FSize(source.Size()), FBudget(FSize) {}

    TBglAirports Read() {
        TBytes header;
        if (!Block(0, FSize < HeaderSize ? FSize : HeaderSize, header))
            return Unreadable();
        if (header.size() < 4)
            return Unreadable(CutShort);
        if (U32(header, 0) != BglMagic)
            return {TBglAirports::TState::OtherFormat, {}, 0, {}};
        if (header.size() < HeaderSize || U32(header, 4) < HeaderSize)
            return Unreadable(CutShort);
        TBytes sections;
        if (!Block(U32(header, 4), SectionEntrySize * U32(header, SectionCountAt), sections))
            return Unreadable();
        for (std::uint64_t at = 0; at < sections.size(); at += SectionEntrySize)
            if (U32(sections, at) == AirportSection && !Section(sections, at))
                return Unreadable();
        return {TBglAirports::TState::Read, std::move(FIdents), FLater, {}};
    }

private:
    TBglAirports Unreadable(const char* reason = nullptr) {
        return {TBglAirports::TState::Unreadable, {}, 0, reason ? reason : FReason};
    }

    bool Fail(const char* reason) {
        FReason = reason;
        return false;
    }

    // The bytes of a part of the file; false when it lies outside the file or cannot be read.
    bool Block(std::uint64_t offset, std::uint64_t count, TBytes& into) {
        if (offset > FSize || count > FSize - offset)
            return Fail(CutShort);
        into.resize(count);
        return count == 0 || FSource.Read(offset, count, into.data()) || Fail("a read error");
    }

    // Airport data beyond the file's own size can only come from parts read more than once.
    bool Spend(std::uint64_t count) {
        if (count > FBudget)
            return Fail("pointing into itself again and again");
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
            const std::uint64_t recordSize = data.size() - at < RecordHeaderSize ? 0 : U32(data, at + 2);
            if (recordSize < RecordHeaderSize || recordSize > data.size() - at)
                return Fail("a record that does not fit its subsection");
            if (!Airport(data, at, recordSize))
                return false;
            at += recordSize;
        }
        return true;
    }

    bool Airport(const TBytes& data, std::uint64_t at, std::uint64_t size) {
        const std::uint32_t type = U16(data, at);
        const bool later = IsLaterAirport(type);
        if (type != Fs2004Airport && !later)
            return true;
        if (size < (later ? IdentAt + 4 : Fs2004FixedPart))
            return Fail("an airport record shorter than its fixed part");
        if (later) {
            ++FLater;
            return true;
        }
        // Each child is at least a record header long, so the walk ends within the record.
        for (std::uint64_t child = Fs2004FixedPart; child < size;) {
            const std::uint64_t childSize = size - child < RecordHeaderSize ? 0 : U32(data, at + child + 2);
            if (childSize < RecordHeaderSize || childSize > size - child)
                return Fail("an airport record whose size ends inside its children");
            child += childSize;
        }
        FIdents.push_back(DecodeIcaoIdent(U32(data, at + IdentAt)));
        return true;
    }

    TByteSource& FSource;
    const std::uint64_t FSize;
    std::uint64_t FBudget;
    std::vector<std::string> FIdents;
    int FLater = 0;
    std::string FReason;
};

} // namespace

TBglAirports ReadBglAirports(TByteSource& source) {
    return TAirportReader(source).Read();
}
