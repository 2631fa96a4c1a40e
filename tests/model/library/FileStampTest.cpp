#include "model/library/FileStamp.h"

#include <gtest/gtest.h>

namespace {

using TState = TFileStamp::TState;

const TFileStamp Loaded{TState::Read, 120, 1000, "hash-a"}, Missing, Unreadable{TState::Unreadable, 0, 0, {}};

struct TStampCase {
    const char* Name;
    TFileStamp Recorded;
    TFileStamp Now;
    bool SameContent;
    bool SameSizeAndTime;
};

// What a save and the activation hint conclude from the file as recorded and as it is now.
TEST(FileStamp, ComparesTheRecordedFileWithTheFileNow) {
    const TStampCase cases[] = {
        {"untouched", Loaded, Loaded, true, true},
        {"touched", Loaded, {TState::Read, 120, 2000, "hash-a"}, true, false},
        {"appended", Loaded, {TState::Read, 180, 2000, "hash-b"}, false, false},
        {"rewritten in the same size", Loaded, {TState::Read, 120, 2000, "hash-b"}, false, false},
        {"rewritten within one clock tick", Loaded, {TState::Read, 120, 1000, "hash-b"}, false, true},
        {"deleted", Loaded, Missing, false, false},
        {"unreadable now", Loaded, Unreadable, false, false},
        {"still missing", Missing, Missing, true, false},
        {"created meanwhile", Missing, Loaded, false, false},
        {"unreadable both times", Unreadable, Unreadable, false, false},
    };
    for (const TStampCase& c : cases) {
        EXPECT_EQ(c.Recorded.SameContentAs(c.Now), c.SameContent) << c.Name;
        EXPECT_EQ(c.Recorded.SameSizeAndTimeAs(c.Now), c.SameSizeAndTime) << c.Name;
    }
}

} // namespace
