#include "model/document/Profiles.h"

#include "support/ActiveFlags.h"

#include <gtest/gtest.h>

namespace {

// A list written as pairs of characters, the first two areas being the protected ones. The first says
// the flags: '+' active, '-' inactive, 'r' required, 'R' required and inactive. The second is the key:
// a letter is the folder "/h/Addon Scenery/<letter>" as the folder check resolved it (so 'a' and 'A'
// are one folder in two spellings), a digit an area without Local Path titled by it.
struct TKeyedList {
    TSceneryDocument Document;
    std::vector<std::string> Folders;
};

TKeyedList List(const std::string& text) {
    TKeyedList list;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        TArea area;
        const char key = text[i + 1];
        const bool folder = std::isalpha(static_cast<unsigned char>(key));
        area.Active = text[i] == '+' || text[i] == 'r';
        area.Required = text[i] == 'r' || text[i] == 'R';
        area.Title = folder ? std::string("Title ") + key : std::string(1, key);
        area.Local = folder ? std::string("Addon Scenery\\") + key : "";
        list.Folders.push_back(folder ? std::string("/h/Addon Scenery/") + key : "");
        list.Document.Areas.push_back(NewEntry(area));
    }
    return list;
}

struct TApplyCase {
    const char* Name;
    const char* Now;
    const char* Profile;
    bool OffUnknown;
    const char* After;
    int On, Off, Unknown;
};

// clang-format off
const TApplyCase ApplyCases[] = {
    {"a folder in another letter case",        "+x+y+a-b",     "-A+B",     false, "++-+",  1, 1, 0},
    {"areas without Local Path by title",      "+x+y-1+2",     "+1-2",     false, "+++-",  1, 1, 0},
    {"a required area stays active",           "+x+yra-b",     "-a+b",     false, "++++",  1, 0, 0},
    {"the protected rows are never touched",   "-x+y+a",       "+x-y-a",   false, "-+-",   0, 1, 0},
    {"unknown areas stay as they are",         "+x+y+a+b-c",   "-a",       false, "++-+-", 0, 1, 2},
    {"unknown areas switched off",             "+x+y+a+b-c",   "+a",       true,  "+++--", 0, 1, 2},
    {"an unknown required area stays on",      "+x+yrb",       "-a",       true,  "+++",   0, 0, 1},
    {"the first record of a key wins",         "+x+y+a",       "-a+a",     false, "++-",   0, 1, 0},
    {"two areas of one folder follow it",      "+x+y+a+A",     "-a",       false, "++--",  0, 2, 0},
    {"nothing to change",                      "+x+y+a-b",     "+a-b",     true,  "+++-",  0, 0, 0},
};
// clang-format on

TEST(ProfilesTest, ApplyGivesEachKnownAreaTheProfilesFlag) {
    for (const TApplyCase& c : ApplyCases) {
        SCOPED_TRACE(c.Name);
        const TKeyedList now = List(c.Now);
        const TKeyedList saved = List(c.Profile);
        TProfile profile{"Lean", {}};
        for (int p = 0; p < saved.Document.Count(); ++p)
            profile.Areas.push_back({ProfileKey(saved.Document.Area(p), saved.Folders[std::size_t(p)]),
                                     saved.Document.Area(p).Title, saved.Document.Area(p).Active});
        const TSelection selected(now.Document.Areas.size(), 1);
        const TProfileApplication applied = ApplyProfile(now.Document, ProfileKeys(now.Document, now.Folders),
                                                         selected, profile, c.OffUnknown);
        EXPECT_EQ(ActiveFlags(applied.Step.Document), c.After);
        EXPECT_EQ(std::tuple(applied.SwitchedOn, applied.SwitchedOff, applied.Unknown),
                  std::tuple(c.On, c.Off, c.Unknown));
        EXPECT_EQ(applied.Step.Name, "Apply profile Lean");
        EXPECT_EQ(applied.Step.Selected, selected);
        TSelection changed(now.Document.Areas.size(), 0);
        for (int p : applied.Changed)
            changed[std::size_t(p)] = 1;
        EXPECT_EQ(applied.Step.TouchedAfter, changed);
        for (int p = 0; p < now.Document.Count(); ++p) {
            EXPECT_EQ(applied.Step.Document.Areas[std::size_t(p)].Id, now.Document.Areas[std::size_t(p)].Id);
            EXPECT_EQ(changed[std::size_t(p)] != 0, ActiveFlags(now.Document)[std::size_t(p)] != c.After[p]);
        }
    }
}

} // namespace
