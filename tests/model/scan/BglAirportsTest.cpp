#include "model/scan/BglAirports.h"
#include "support/BglBuilder.h"

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

class ReadingBglFiles : public testing::TestWithParam<TBglCase> {};

TEST_P(ReadingBglFiles, FindsTheAirportRecords) {
    TMemoryBytes bytes(GetParam().Bytes);
    const TBglAirports read = ReadBglAirports(bytes);
    EXPECT_EQ(read.State, GetParam().State);
    EXPECT_EQ(read.Idents, GetParam().Idents);
    EXPECT_EQ(read.MadeForLater() ? "later" : read.Reason, GetParam().Note);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingBglFiles,
    testing::Values(
        TBglCase{"Fs2004Airport", bgl::AirportFile({"KPDX"}), TState::Read, {"KPDX"}},
        TBglCase{"FsxAirport", OneSection({bgl::Airport("LOWI", bgl::FsxAirport)}), TState::Read, {}, "later"},
        TBglCase{"P3dAirport", OneSection({bgl::Airport("LOWI", bgl::P3dAirport)}), TState::Read, {}, "later"},
        TBglCase{"MsfsAirport", OneSection({bgl::Airport("LOWI", bgl::MsfsAirport)}), TState::Read, {}, "later"},
        TBglCase{"RealP3dFile", RealFile("p3d5-bglreader-KTST_TestAirport_v5.bgl"), TState::Read, {}, "later"},
        TBglCase{"MixedFile", OneSection({bgl::Airport("LOWI", bgl::FsxAirport), bgl::Airport("LOWG")}), TState::Read, {"LOWG"}},
        TBglCase{"SeveralAirportsWithChildren", TwoAirports, TState::Read, {"KSEA", "KBFI"}},
        TBglCase{"OtherRecordsBetween",
                 bgl::File({{bgl::AirportSection, false,
                             {{{bgl::Airport("KSEA"), bgl::Record(0x0022, std::string(40, '\0')), bgl::Airport("S50")}}}}}),
                 TState::Read, {"KSEA", "S50"}},
        TBglCase{"SeveralSectionsAndWideEntries",
                 bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}},
                            {bgl::AirportSection, true, {{{bgl::Airport("EDDF")}}, {{bgl::Airport("EDDM")}}}},
                            {bgl::AirportSection, false, {{{bgl::Airport("LSZH")}}}},
                            {0x0027, false, {{{bgl::Airport("YYYY")}}}}}),
                 TState::Read, {"EDDF", "EDDM", "LSZH"}},
        TBglCase{"NoAirportSection", bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}}}), TState::Read, {}},
        TBglCase{"CountStopsTheWalk", Changed(TwoAirports, FirstEntry + 4, 1), TState::Read, {"KSEA"}},
        TBglCase{"OlderFormat", "\x01\x00\x00\x00" + std::string(200, '\0'), TState::OtherFormat, {}},
        TBglCase{"Empty", "", TState::Unreadable, {}, CutShort},
        TBglCase{"CutInTheHeader", TwoAirports.substr(0, 0x30), TState::Unreadable, {}, CutShort},
        TBglCase{"CutInTheRecords", TwoAirports.substr(0, TwoAirports.size() - 1), TState::Unreadable, {}, CutShort},
        TBglCase{"AbsurdSectionCount", Changed(TwoAirports, 0x14, 0x0FFFFFFF), TState::Unreadable, {}, CutShort},
        TBglCase{"SubsectionsOutside", Changed(TwoAirports, bgl::HeaderSize + 12, 0xFFFFFFF0), TState::Unreadable, {}, CutShort},
        TBglCase{"DataOutside", Changed(TwoAirports, FirstEntry + 8, 0x7FFFFFFF), TState::Unreadable, {}, CutShort},
        TBglCase{"RecordOfSizeZero", Changed(TwoAirports, FirstEntry + 16 + 2, 0), TState::Unreadable, {}, NoFit},
        TBglCase{"RecordBeyondItsData", Changed(TwoAirports, FirstEntry + 16 + 2, 0x10000), TState::Unreadable, {}, NoFit},
        TBglCase{"LaterAirportEndingBeforeItsIdent", OneSection({bgl::Record(bgl::FsxAirport, std::string(0x24, '\0'))}), TState::Unreadable, {}, "an airport record shorter than its fixed part"},
        TBglCase{"AirportShorterThanItsFixedPart", OneSection({bgl::Record(bgl::Fs2004Airport, std::string(0x2D, '\0'))}), TState::Unreadable, {}, "an airport record shorter than its fixed part"},
        // The record ends 3 bytes into its runway child, after the fixed part and the name "KSEAField".
        TBglCase{"SizeEndsInsideTheChildren", Changed(TwoAirports, FirstEntry + 16 + 2, 0x34 + 15 + 3), TState::Unreadable, {}, "an airport record whose size ends inside its children"},
        // Every subsection points at all the records: the file would be read over and over.
        TBglCase{"SubsectionsLoopingOverTheSameData",
                 [] {
                     std::string bytes = bgl::File({{bgl::AirportSection, false, std::vector<bgl::TSubsection>(64, {{bgl::Airport("KSEA")}})}});
                     const auto data = static_cast<std::uint32_t>(FirstEntry + 16 * 64);
                     for (std::size_t entry = 0; entry < 64; ++entry) {
                         bgl::PutU32(bytes, FirstEntry + 16 * entry + 8, data);
                         bgl::PutU32(bytes, FirstEntry + 16 * entry + 12, static_cast<std::uint32_t>(bytes.size() - data));
                     }
                     return bytes;
                 }(),
                 TState::Unreadable, {}, "pointing into itself again and again"}),
    [](const testing::TestParamInfo<TBglCase>& info) { return std::string(info.param.Name); });

} // namespace
