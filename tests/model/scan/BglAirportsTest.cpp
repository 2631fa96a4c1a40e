#include "model/scan/BglAirports.h"
#include "support/BglBuilder.h"
#include "support/CaseName.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using TState = TBglAirports::TState;

// The first airport section's subsection table starts after the header and one section entry; its
// first entry's record count, data offset and data size follow a 4-byte key.
constexpr std::size_t FirstEntry = bgl::HeaderSize + bgl::SectionEntrySize;

std::string Changed(std::string bytes, std::size_t at, std::uint32_t value) {
    bgl::PutU32(bytes, at, value);
    return bytes;
}

const std::string TwoAirports = bgl::AirportFile({"KSEA", "KBFI"});
const std::string CutShort = "cut short or pointing outside itself";
const std::string NoFit = "a record that does not fit its subsection";

struct TBglCase {
    const char* Name;
    std::string Bytes;
    TState State;
    std::vector<std::string> Idents;
    // "later" for a file made for a later simulator, else why it is unreadable.
    std::string Note = "";
};

std::string RealFile(const char* name) {
    std::ostringstream bytes;
    bytes << std::ifstream(std::string(QUARROW_REAL_DATA) + "/" + name, std::ios::binary).rdbuf();
    return bytes.str();
}

std::string OneSection(const std::vector<std::string>& records) {
    return bgl::File({{bgl::AirportSection, false, {{records}}}});
}

// Every subsection points at all the records: the file would be read over and over.
std::string Looping() {
    std::string bytes = bgl::File(
        {{bgl::AirportSection, false, std::vector<bgl::TSubsection>(64, {{bgl::Airport("KSEA")}})}});
    const auto data = static_cast<std::uint32_t>(FirstEntry + 16 * 64);
    for (std::size_t entry = 0; entry < 64; ++entry) {
        bgl::PutU32(bytes, FirstEntry + 16 * entry + 8, data);
        bgl::PutU32(bytes, FirstEntry + 16 * entry + 12, static_cast<std::uint32_t>(bytes.size() - data));
    }
    return bytes;
}

class ReadingBglFiles : public testing::TestWithParam<TBglCase> {};

TEST_P(ReadingBglFiles, FindsTheAirportRecords) {
    TMemoryBytes bytes(GetParam().Bytes);
    const TBglAirports read = ReadBglAirports(bytes);
    EXPECT_EQ(read.State, GetParam().State);
    EXPECT_EQ(read.Idents, GetParam().Idents);
    EXPECT_EQ(read.MadeForLater() ? "later" : read.Reason, GetParam().Note);
}

// clang-format off
const TBglCase BglCases[] = {
    {"Fs2004Airport", bgl::AirportFile({"KPDX"}), TState::Read, {"KPDX"}},
    {"FsxAirport", OneSection({bgl::Airport("LOWI", bgl::FsxAirport)}), TState::Read, {}, "later"},
    {"P3dAirport", OneSection({bgl::Airport("LOWI", bgl::P3dAirport)}), TState::Read, {}, "later"},
    {"MsfsAirport", OneSection({bgl::Airport("LOWI", bgl::MsfsAirport)}), TState::Read, {}, "later"},
    {"RealP3dFile", RealFile("p3d5-bglreader-KTST_TestAirport_v5.bgl"), TState::Read, {}, "later"},
    {"MixedFile", OneSection({bgl::Airport("LOWI", bgl::FsxAirport), bgl::Airport("LOWG")}), TState::Read, {"LOWG"}},
    {"SeveralAirportsWithChildren", TwoAirports, TState::Read, {"KSEA", "KBFI"}},
    {"OtherRecordsBetween", bgl::File({{bgl::AirportSection, false, {{{bgl::Airport("KSEA"), bgl::Record(0x0022, std::string(40, '\0')), bgl::Airport("S50")}}}}}), TState::Read, {"KSEA", "S50"}},
    {"SeveralSectionsAndWideEntries", bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}}, {bgl::AirportSection, true, {{{bgl::Airport("EDDF")}}, {{bgl::Airport("EDDM")}}}}, {bgl::AirportSection, false, {{{bgl::Airport("LSZH")}}}}, {0x0027, false, {{{bgl::Airport("YYYY")}}}}}), TState::Read, {"EDDF", "EDDM", "LSZH"}},
    {"NoAirportSection", bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}}}), TState::Read, {}},
    {"CountStopsTheWalk", Changed(TwoAirports, FirstEntry + 4, 1), TState::Read, {"KSEA"}},
    {"OlderFormat", "\x01\x00\x00\x00" + std::string(200, '\0'), TState::OtherFormat, {}},
    {"Empty", "", TState::Unreadable, {}, CutShort},
    {"CutInTheHeader", TwoAirports.substr(0, 0x30), TState::Unreadable, {}, CutShort},
    {"CutInTheRecords", TwoAirports.substr(0, TwoAirports.size() - 1), TState::Unreadable, {}, CutShort},
    {"AbsurdSectionCount", Changed(TwoAirports, 0x14, 0x0FFFFFFF), TState::Unreadable, {}, CutShort},
    {"SubsectionsOutside", Changed(TwoAirports, bgl::HeaderSize + 12, 0xFFFFFFF0), TState::Unreadable, {}, CutShort},
    {"DataOutside", Changed(TwoAirports, FirstEntry + 8, 0x7FFFFFFF), TState::Unreadable, {}, CutShort},
    {"RecordOfSizeZero", Changed(TwoAirports, FirstEntry + 16 + 2, 0), TState::Unreadable, {}, NoFit},
    {"RecordBeyondItsData", Changed(TwoAirports, FirstEntry + 16 + 2, 0x10000), TState::Unreadable, {}, NoFit},
    {"LaterAirportEndingBeforeItsIdent", OneSection({bgl::Record(bgl::FsxAirport, std::string(0x24, '\0'))}), TState::Unreadable, {}, "an airport record shorter than its fixed part"},
    {"AirportShorterThanItsFixedPart", OneSection({bgl::Record(bgl::Fs2004Airport, std::string(0x2D, '\0'))}), TState::Unreadable, {}, "an airport record shorter than its fixed part"},
    // The record ends 3 bytes into its runway child, after the fixed part and the name "KSEAField".
    {"SizeEndsInsideTheChildren", Changed(TwoAirports, FirstEntry + 16 + 2, 0x34 + 15 + 3), TState::Unreadable, {}, "an airport record whose size ends inside its children"},
    {"SubsectionsLoopingOverTheSameData", Looping(), TState::Unreadable, {}, "pointing into itself again and again"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, ReadingBglFiles, testing::ValuesIn(BglCases), CaseName);

} // namespace
