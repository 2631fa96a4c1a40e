#include "model/scan/BglAirports.h"
#include "support/BglBuilder.h"

#include <gtest/gtest.h>

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

struct TBglCase {
    const char* Name;
    std::string Bytes;
    TState State;
    std::vector<std::string> Idents;
};

class ReadingBglFiles : public testing::TestWithParam<TBglCase> {};

TEST_P(ReadingBglFiles, FindsTheAirportRecords) {
    TMemoryBytes bytes(GetParam().Bytes);
    const TBglAirports read = ReadBglAirports(bytes);
    EXPECT_EQ(read.State, GetParam().State);
    EXPECT_EQ(read.Idents, GetParam().Idents);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingBglFiles,
    testing::Values(
        TBglCase{"Fs2004Airport", bgl::AirportFile({"KPDX"}), TState::Read, {"KPDX"}},
        TBglCase{"LaterAirport",
                 bgl::File({{bgl::AirportSection, false, {{{bgl::Airport("LOWI", bgl::LaterAirport)}}}}}),
                 TState::Read, {"LOWI"}},
        TBglCase{"SeveralAirportsWithChildren", TwoAirports, TState::Read, {"KSEA", "KBFI"}},
        TBglCase{"OtherRecordsBetween",
                 bgl::File({{bgl::AirportSection, false,
                             {{{bgl::Airport("KSEA"), bgl::Record(0x0022, std::string(40, '\0')), bgl::Airport("S50")}}}}}),
                 TState::Read, {"KSEA", "S50"}},
        TBglCase{"SeveralSectionsAndWideEntries",
                 bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}},
                            {bgl::AirportSection, true, {{{bgl::Airport("EDDF")}}, {{bgl::Airport("EDDM")}}}},
                            {bgl::AirportSection, false, {{{bgl::Airport("LSZH")}}}}}),
                 TState::Read, {"EDDF", "EDDM", "LSZH"}},
        TBglCase{"NoAirportSection", bgl::File({{0x0065, false, {{{bgl::Airport("XXXX")}}}}}), TState::Read, {}},
        TBglCase{"CountStopsTheWalk", Changed(TwoAirports, FirstEntry + 4, 1), TState::Read, {"KSEA"}},
        TBglCase{"OlderFormat", "\x01\x00\x00\x00" + std::string(200, '\0'), TState::OtherFormat, {}},
        TBglCase{"Empty", "", TState::Unreadable, {}},
        TBglCase{"CutInTheHeader", TwoAirports.substr(0, 0x30), TState::Unreadable, {}},
        TBglCase{"CutInTheRecords", TwoAirports.substr(0, TwoAirports.size() - 1), TState::Unreadable, {}},
        TBglCase{"AbsurdSectionCount", Changed(TwoAirports, 0x14, 0x0FFFFFFF), TState::Unreadable, {}},
        TBglCase{"SubsectionsOutside", Changed(TwoAirports, bgl::HeaderSize + 12, 0xFFFFFFF0), TState::Unreadable, {}},
        TBglCase{"DataOutside", Changed(TwoAirports, FirstEntry + 8, 0x7FFFFFFF), TState::Unreadable, {}},
        TBglCase{"RecordOfSizeZero", Changed(TwoAirports, FirstEntry + 16 + 2, 0), TState::Unreadable, {}},
        TBglCase{"RecordBeyondItsData", Changed(TwoAirports, FirstEntry + 16 + 2, 0x10000), TState::Unreadable, {}},
        TBglCase{"AirportTooShortForItsIdent",
                 bgl::File({{bgl::AirportSection, false, {{{bgl::Record(bgl::Fs2004Airport, std::string(20, '\0'))}}}}}),
                 TState::Unreadable, {}},
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
                 TState::Unreadable, {}}),
    [](const testing::TestParamInfo<TBglCase>& info) { return std::string(info.param.Name); });

} // namespace
