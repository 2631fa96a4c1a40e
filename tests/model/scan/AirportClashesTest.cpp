#include "model/scan/AirportClashes.h"

#include <gtest/gtest.h>

namespace {

// Each clash as "ICAO positions files", e.g. "KSEA 5,3 b@5 a@3".
std::vector<std::string> Shown(const std::vector<TAirportClash>& clashes) {
    std::vector<std::string> shown;
    for (const TAirportClash& clash : clashes) {
        std::string text = clash.Icao + " ";
        for (std::size_t i = 0; i < clash.Positions.size(); ++i)
            text += (i ? "," : "") + std::to_string(clash.Positions[i]);
        for (const TClashFile& file : clash.Files)
            text += " " + file.Path + "@" + std::to_string(file.Position);
        shown.push_back(text);
    }
    return shown;
}

struct TClashCase {
    const char* Name;
    std::vector<TScannedArea> Areas;
    std::vector<std::string> Clashes;
    int Airports;
};

class GroupingAirports : public testing::TestWithParam<TClashCase> {};

TEST_P(GroupingAirports, ListsTheAirportsOfSeveralAreasWithTheWinnerFirst) {
    const TAirportGrouping grouping = FindAirportClashes(GetParam().Areas);
    EXPECT_EQ(Shown(grouping.Clashes), GetParam().Clashes);
    EXPECT_EQ(grouping.Airports, GetParam().Airports);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, GroupingAirports,
    testing::Values(
        TClashCase{"HigherLayerWins",
                   {{3, 30, {{"a", {"KSEA"}}}}, {5, 50, {{"b", {"KSEA"}}}}},
                   {"KSEA 5,3 b@5 a@3"},
                   1},
        TClashCase{"LayerBeatsThePlaceInTheList",
                   {{2, 90, {{"a", {"KSEA"}}}}, {4, 10, {{"b", {"KSEA"}}}}},
                   {"KSEA 2,4 a@2 b@4"},
                   1},
        TClashCase{"InOneLayerTheLowerRowWins",
                   {{2, 10, {{"a", {"KSEA"}}}}, {4, 10, {{"b", {"KSEA"}}}}},
                   {"KSEA 4,2 b@4 a@2"},
                   1},
        TClashCase{"TwoFilesOfOneAreaAreNoClash", {{1, 10, {{"a", {"KSEA"}}, {"b", {"KSEA"}}}}}, {}, 1},
        TClashCase{"AnIdentTwiceInOneFileIsOneFile",
                   {{1, 10, {{"a", {"KSEA", "KSEA"}}}}, {2, 20, {{"b", {"KSEA"}}, {"c", {"KSEA"}}}}},
                   {"KSEA 2,1 b@2 c@2 a@1"},
                   1},
        TClashCase{"ThreeAreasInFallingLayerAndIcaoOrder",
                   {{1, 10, {{"a", {"KSEA", "EDDF"}}}},
                    {2, 30, {{"b", {"LOWI", "KSEA"}}}},
                    {3, 20, {{"c", {"KSEA"}}, {"d", {"EDDF"}}}}},
                   {"EDDF 3,1 d@3 a@1", "KSEA 2,3,1 b@2 c@3 a@1"},
                   3},
        TClashCase{"NoAreas", {}, {}, 0}),
    [](const testing::TestParamInfo<TClashCase>& info) { return std::string(info.param.Name); });

} // namespace
