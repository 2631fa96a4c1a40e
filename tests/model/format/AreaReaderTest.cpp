#include "model/format/QuarrowTypes.h"
#include "model/format/UnreadSections.h"
#include "support/Latin1Text.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::unique_ptr<TArea>> Sweep(const std::string& file) {
    std::vector<std::unique_ptr<TArea>> areas;
    SweepAreas(*Latin1Profile(file),
               [&areas](std::unique_ptr<TArea> area) { areas.push_back(std::move(area)); });
    return areas;
}

TArea ReadOne(const std::string& keys) {
    auto areas = Sweep("[Area.001]\r\nLocal=Scenery\\X\r\n" + keys);
    EXPECT_EQ(areas.size(), 1u);
    return areas.empty() ? TArea{} : *areas.front();
}

TEST(AreaReader, SectionAndKeyNamesIgnoreCase) {
    const auto areas = Sweep("[AREA.005]\r\nlocal=Scenery\\X\r\nTITLE=Five\r\n");
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0]->Number, 5);
    EXPECT_EQ(areas[0]->Local, "Scenery\\X");
    EXPECT_EQ(areas[0]->Title, "Five");
}

TEST(AreaReader, MissingKeysGiveTheReadDefaults) {
    const TArea area = ReadOne("");
    EXPECT_EQ(area.Title, "");
    EXPECT_EQ(area.Remote, "");
    EXPECT_EQ(area.Layer, 0);
    EXPECT_FALSE(area.Active);
    EXPECT_FALSE(area.Required);
    EXPECT_EQ(area.TextureId, -9999);
    EXPECT_EQ(area.Exclude, "");
    EXPECT_TRUE(area.Flatten.empty());
}

TEST(AreaReader, ActiveIsTrueOnlyForTrueInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"Active=true", true},   {"Active=True", true},     {"Active=TRUE", true},
        {"Active= TRUE ", true}, {"Active=\"TRUE\"", true}, {"Active=1", false},
        {"Active=YES", false},   {"Active=TRUE1", false},   {"", false}};
    for (const auto& [line, active] : cases)
        EXPECT_EQ(ReadOne(line).Active, active) << line;
}

// The number rules themselves are IntegerText's; here what reaches the record, and the defaults.
TEST(AreaReader, IntegersFallBackToTheirDefaults) {
    EXPECT_EQ(ReadOne("Layer = $1A ").Layer, 26);
    EXPECT_EQ(ReadOne("Layer=-3").Layer, -3);
    EXPECT_EQ(ReadOne("Layer=12abc").Layer, 0);
    EXPECT_EQ(ReadOne("Texture_ID=1").TextureId, 1);
    EXPECT_EQ(ReadOne("Texture_ID=abc").TextureId, -9999);
}

TEST(AreaReader, QuotesAndBlanksAroundValuesAreDropped) {
    EXPECT_EQ(ReadOne("Title=\"Quoted Title\"").Title, "Quoted Title");
    EXPECT_EQ(ReadOne("Title=  \t Spaced \t ").Title, "Spaced");
}

TEST(AreaReader, FlattenGapsCloseAndOnlyTwentyKeysAreRead) {
    EXPECT_EQ(ReadOne("Flatten.3=three\r\nFlatten.25=late\r\nFlatten.0=zero\r\nFlatten.1=\r\n").Flatten,
              (std::vector<std::string>{"zero", "three"}));
    std::string keys;
    for (int i = 0; i < 22; ++i)
        keys += "Flatten." + std::to_string(i) + "=f" + std::to_string(i) + "\r\n";
    const auto flatten = ReadOne(keys).Flatten;
    ASSERT_EQ(flatten.size(), 20u);
    EXPECT_EQ(flatten.back(), "f19");
}

TEST(AreaReader, SweepCoversSections0To1999InAscendingOrder) {
    const auto areas =
        Sweep("[Area.2000]\r\nLocal=a\r\n[Area.010]\r\nLocal=b\r\nLayer=1\r\n[Area.000]\r\nLocal=c\r\n"
              "[Area.1999]\r\nLocal=d\r\n[Area.3]\r\nLocal=e\r\n[Area.004]\r\nLocal=\r\n"
              "[Area.0005]\r\nLocal=f\r\n[Area.002]\r\nLocal=g\r\nLayer=99\r\n");
    std::vector<std::int32_t> numbers;
    for (const auto& area : areas)
        numbers.push_back(area->Number);
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{0, 2, 10, 1999}));
}

// What the sweep leaves out is said, since a save drops it; an empty file is a fresh library.
TEST(AreaReader, SaysWhatTheSweepLeavesOut) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"[General]\r\n[Area.001]\r\nLocal=a\r\n", ""},
        {"[Area.2000]\r\nLocal=a\r\n[Area.1999]\r\nLocal=b\r\n", "1 area of S is not shown (numbered 2000 or above): a save removes it."},
        {"[Area.004]\r\nLocal=\r\n[area.5000]\r\nLocal=x\r\n[Area.99999999999]\r\n", "3 areas of S are not shown (numbered 2000 or above / without Local Path): a save removes them."},
        {"[Area.3]\r\nLocal=e\r\n[Area.0005]\r\nLocal=f\r\n[AREA.007]\r\nLocal=g\r\n[Area.007]\r\nLocal=h\r\n[Area.x]\r\n", "4 areas of S are not shown (with a repeated or malformed name): a save removes them."},
        {"\x01\x02 random", "S is not a scenery library: 9 bytes without a [General] section or an area."},
        {"[Areas]\r\nLocal=a\r\n", "S is not a scenery library: 18 bytes without a [General] section or an area."},
    };
    // clang-format on
    for (const auto& [file, notice] : cases)
        EXPECT_EQ(UnreadNotice(FindUnreadSections(*Latin1Profile(file)), "S", file.size()), notice) << file;
}

TEST(GeneralReader, ReadsTheGeneralSection) {
    TGeneral general;
    general.LoadFrom(*Latin1Profile("[general]\r\nTitle=T\r\nDescription=D\r\nClean_on_Exit=TRUE\r\n"));
    EXPECT_EQ(general.Title, "T");
    EXPECT_EQ(general.Description, "D");
    EXPECT_TRUE(general.CleanOnExit);
    general.LoadFrom(*Latin1Profile(""));
    EXPECT_EQ(general.Title, "");
    EXPECT_FALSE(general.CleanOnExit);
}

} // namespace
