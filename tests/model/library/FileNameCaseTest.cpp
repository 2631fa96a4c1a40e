#include "model/library/FileNameCase.h"

#include <gtest/gtest.h>

namespace {

struct TNameCase {
    const char* Name;
    const char* One;
    const char* Other;
    bool Same;
};

// Windows' upper-case table, not full folding, not a locale: Ä is ä, but ß is no SS and ı no I.
TEST(FileNameCase, ComparesAsWindowsDoes) {
    // clang-format off
    const TNameCase cases[] = {
        {"library",            "Scenery.cfg",      "SCENERY.CFG",     true},
        {"pending",            "NewScenery.cfg",   "newscenery.Cfg",  true},
        {"backup",             "Scenery.qrw",      "scenery.QRW",     true},
        {"longer name",        "Scenery.cfg",      "Scenery.cfg.bak", false},
        {"umlaut",             "\xC3\x84lpler",    "\xC3\xA4LPLER",   true},
        {"y diaeresis",        "\xC3\xBF",         "\xC5\xB8",        true},
        {"final sigma",        "\xCF\x82",         "\xCE\xA3",        true},
        {"cyrillic",           "\xD0\xB4",         "\xD0\x94",        true},
        {"capital sharp s",    "\xC3\x9F",         "\xE1\xBA\x9E",    false},
        {"dotless i",          "\xC4\xB1",         "I",               false},
        {"micro sign",         "\xC2\xB5",         "\xCE\x9C",        false},
        {"kelvin sign",        "\xE2\x84\xAA",     "k",               false},
        {"outside the plane",  "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80", false},
        {"code page bytes",    "\xE4rea",          "\xC4REA",         false},
        {"code page byte kept", "\xE4rea",         "\xE4REA",         true},
    };
    // clang-format on
    for (const TNameCase& c : cases)
        EXPECT_EQ(SameFileName(c.One, c.Other), c.Same) << c.Name;
}

} // namespace
