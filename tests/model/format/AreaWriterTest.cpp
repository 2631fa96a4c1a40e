#include "model/format/QuarrowTypes.h"
#include "support/StringOutput.h"

#include <gtest/gtest.h>

namespace {

std::string Written(const TArea& area) {
    TStringOutput output;
    area.WriteTo(output);
    return output.Bytes;
}

TEST(AreaWriter, FreshAreaGivesTheEightDefaultLines) {
    EXPECT_EQ(Written(TArea{}),
              "[Area.000]\r\nTitle=<Untitled>\r\nLayer=0\r\nActive=TRUE\r\nRequired=FALSE\r\n"
              "Local=\r\nRemote=\r\n\r\n");
}

TEST(AreaWriter, WritesEveryKeyInItsPlace) {
    TArea area;
    area.Number = 7;
    area.Title = "My Field";
    area.TextureId = 3;
    area.Layer = 7;
    area.Active = false;
    area.Required = true;
    area.Local = "Addon Scenery\\Field";
    area.Remote = "D:\\Remote";
    area.Exclude = "Exclude\\x.bgl";
    area.Flatten = {"abc", "def"};
    EXPECT_EQ(Written(area), "[Area.007]\r\nTitle=My Field\r\nTexture_ID=3\r\nLayer=7\r\nActive=FALSE\r\n"
                             "Required=TRUE\r\nLocal=Addon Scenery\\Field\r\nRemote=D:\\Remote\r\n"
                             "Exclude=Exclude\\x.bgl\r\nFlatten.0=abc\r\nFlatten.1=def\r\n\r\n");
}

TEST(AreaWriter, SectionNumberIsFilledToThreeDigitsAndNeverCut) {
    const std::pair<std::int32_t, const char*> cases[] = {{0, "[Area.000]"},     {5, "[Area.005]"},
                                                          {42, "[Area.042]"},    {123, "[Area.123]"},
                                                          {1000, "[Area.1000]"}, {2000, "[Area.2000]"}};
    for (const auto& [number, header] : cases) {
        TArea area;
        area.Number = number;
        EXPECT_EQ(Written(area).substr(0, Written(area).find('\r')), header);
    }
}

TEST(AreaWriter, TextureIdOnlyWhenPositive) {
    for (const std::int32_t id : {0, -1, -9999}) {
        TArea area;
        area.TextureId = id;
        EXPECT_EQ(Written(area).find("Texture_ID"), std::string::npos) << id;
    }
    TArea area;
    area.TextureId = 1;
    EXPECT_NE(Written(area).find("Title=<Untitled>\r\nTexture_ID=1\r\nLayer=0\r\n"), std::string::npos);
}

// A record that holds a line break can only come from code; it must never inject keys or sections.
TEST(AreaWriter, LineBreaksAndNulsInValuesBecomeBlanks) {
    TArea area;
    area.Title = "Evil\r\n[Area.001]\nLocal=x\r";
    area.Local = std::string("a\0b", 3);
    area.Flatten = {"f\r\ng"};
    EXPECT_EQ(Written(area), "[Area.000]\r\nTitle=Evil  [Area.001] Local=x \r\nLayer=0\r\nActive=TRUE\r\n"
                             "Required=FALSE\r\nLocal=a b\r\nRemote=\r\nFlatten.0=f  g\r\n\r\n");
}

TEST(AreaWriter, FailedWriteStopsAndKeepsWhatWasWritten) {
    TArea area;
    TStringOutput output(2);
    EXPECT_THROW(area.WriteTo(output), EInOutError);
    EXPECT_EQ(output.Bytes, "[Area.000]\r\nTitle=<Untitled>\r\n");
}

TEST(GeneralWriter, WritesFiveLines) {
    TGeneral general;
    general.Title = "FS9 World Scenery";
    general.Description = "FS9 Scenery Data";
    TStringOutput output;
    general.WriteTo(output);
    general.CleanOnExit = true;
    general.WriteTo(output);
    EXPECT_EQ(output.Bytes, "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 Scenery Data\r\n"
                            "Clean_on_Exit=FALSE\r\n\r\n"
                            "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 Scenery Data\r\n"
                            "Clean_on_Exit=TRUE\r\n\r\n");
}

TEST(AreaAssign, CopiesEveryFieldIntoAListOfItsOwn) {
    TArea source;
    source.Number = 4;
    source.TextureId = 9;
    source.Title = "Alps";
    source.Local = "L";
    source.Remote = "R";
    source.Layer = 6;
    source.Active = false;
    source.Required = true;
    source.Exclude = "E";
    source.Flatten = {"1", "2", "3"};
    TArea target;
    target.Flatten = {"a", "b", "c", "d", "e"};
    target.Assign(source);
    EXPECT_EQ(Written(target), Written(source));
    source.Flatten.push_back("4");
    target.Flatten[0] = "changed";
    EXPECT_EQ(source.Flatten, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(target.Flatten, (std::vector<std::string>{"changed", "2", "3"}));
}

} // namespace
