#include "model/FileStamp.h"

#include <gtest/gtest.h>

namespace {

using TState = TFileStamp::TState;

const TFileStamp Loaded{TState::Read, 120, 1000, "hash-a"};

struct TStampCase {
    const char* Name;
    TFileStamp Now;
    bool SameContent;
    bool SameSizeAndTime;
};

// What a save and the activation hint conclude from the file as it is now against Loaded.
TEST(FileStamp, ComparesWithTheLoadedFile) {
    const TStampCase cases[] = {
        {"untouched", Loaded, true, true},
        {"touched", {TState::Read, 120, 2000, "hash-a"}, true, false},
        {"appended", {TState::Read, 180, 2000, "hash-b"}, false, false},
        {"rewritten in the same size", {TState::Read, 120, 2000, "hash-b"}, false, false},
        {"rewritten within one clock tick", {TState::Read, 120, 1000, "hash-b"}, false, true},
        {"deleted", {}, false, false},
        {"unreadable", {TState::Unreadable, 0, 0, {}}, false, false},
    };
    for (const TStampCase& c : cases) {
        EXPECT_EQ(Loaded.SameContentAs(c.Now), c.SameContent) << c.Name;
        EXPECT_EQ(Loaded.SameSizeAndTimeAs(c.Now), c.SameSizeAndTime) << c.Name;
    }
}

// A library that was missing at the load may stay missing; one that could not be read never passes.
TEST(FileStamp, MissingAndUnreadableFiles) {
    const TFileStamp missing, unreadable{TState::Unreadable, 0, 0, {}};
    EXPECT_TRUE(missing.SameContentAs(missing));
    EXPECT_FALSE(missing.SameContentAs(Loaded));
    EXPECT_FALSE(unreadable.SameContentAs(unreadable));
}

} // namespace
