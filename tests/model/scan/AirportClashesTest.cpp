#include "model/scan/AirportClashes.h"
#include "support/CaseName.h"

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
    // Each folder listed twice as "higher>lower".
    std::string Twice = "";
};

class GroupingAirports : public testing::TestWithParam<TClashCase> {};

TEST_P(GroupingAirports, ListsTheAirportsOfSeveralAreasWithTheWinnerFirst) {
    const TAirportGrouping grouping = FindAirportClashes(GetParam().Areas);
    EXPECT_EQ(Shown(grouping.Clashes), GetParam().Clashes);
    EXPECT_EQ(grouping.Airports, GetParam().Airports);
    std::string twice;
    for (const TListedTwice& listed : grouping.Twice)
        twice += std::to_string(listed.Higher) + ">" + std::to_string(listed.Lower) + " ";
    EXPECT_EQ(twice, GetParam().Twice);
}

// clang-format off
const TClashCase ClashCases[] = {
    {"HigherLayerWins", {{3, 30, {{"a", {"KSEA"}}}, "f3"}, {5, 50, {{"b", {"KSEA"}}}, "f5"}}, {"KSEA 5,3 b@5 a@3"}, 1},
    {"LayerBeatsThePlaceInTheList", {{2, 90, {{"a", {"KSEA"}}}, "f2"}, {4, 10, {{"b", {"KSEA"}}}, "f4"}}, {"KSEA 2,4 a@2 b@4"}, 1},
    {"InOneLayerTheLowerRowWins", {{2, 10, {{"a", {"KSEA"}}}, "f2"}, {4, 10, {{"b", {"KSEA"}}}, "f4"}}, {"KSEA 4,2 b@4 a@2"}, 1},
    {"TwoFilesOfOneArea", {{1, 10, {{"a", {"KSEA"}}, {"b", {"KSEA"}}}, "f1"}}, {"KSEA 1 a@1 b@1"}, 1},
    {"OneFolderListedTwice", {{2, 20, {{"a", {"KSEA"}}}, "x"}, {5, 50, {{"a", {"KSEA"}}}, "x"}, {3, 90, {{"b", {"KSEA"}}}, "y"}}, {"KSEA 3,5 b@3 a@5"}, 1, "5>2 "},
    {"AnIdentTwiceInOneFileIsOneFile", {{1, 10, {{"a", {"KSEA", "KSEA"}}}, "f1"}, {2, 20, {{"b", {"KSEA"}}, {"c", {"KSEA"}}}, "f2"}}, {"KSEA 2,1 b@2 c@2 a@1"}, 1},
    {"ThreeAreasInFallingLayerAndIcaoOrder", {{1, 10, {{"a", {"KSEA", "EDDF"}}}, "f1"}, {2, 30, {{"b", {"LOWI", "KSEA"}}}, "f2"}, {3, 20, {{"c", {"KSEA"}}, {"d", {"EDDF"}}}, "f3"}}, {"EDDF 3,1 d@3 a@1", "KSEA 2,3,1 b@2 c@3 a@1"}, 3},
    {"NoAreas", {}, {}, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Areas, GroupingAirports, testing::ValuesIn(ClashCases), CaseName);

} // namespace
