#include "WinePrefixBuilder.h"
#include "platform/SystemHostLocator.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray Wow =
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1700000000\n"
    "#time=1d9a0b2c3d4e5f6\n";
const QByteArray Plain = "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1700000000\n";

std::optional<std::string> HostKey(const TWinePrefixBuilder& wine) {
    return TSystemHostLocator(wine.Prefix()).ReadHostKey();
}

std::string Native(const TWinePrefixBuilder& wine, const QString& relative) {
    return (wine.Root() + u'/' + relative).toLocal8Bit().toStdString();
}

// Registry text as Wine writes it, the host folder as created on disk, the native folder expected.
struct TPrefixCase {
    const char* Name;
    QByteArray Registry;
    QString RealFolder;
    QString Expected;
};

class WineHostKeyTest : public testing::TestWithParam<TPrefixCase> {};

TEST_P(WineHostKeyTest, MapsTheRegisteredFolder) {
    const TPrefixCase& c = GetParam();
    TWinePrefixBuilder wine;
    wine.AddDriveC();
    wine.MakeFolder(u"elsewhere"_s);
    wine.LinkDrive(u"D:"_s, wine.Root() + u"/elsewhere"_s);
    wine.MakeFolder(c.RealFolder, u"FS9.exe"_s);
    wine.WriteSystemReg(c.Registry);

    const auto folder = HostKey(wine);
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, Native(wine, c.Expected));
    TSystemHostLocator host(wine.Prefix());
    EXPECT_TRUE(host.HoldsHost(*folder + (folder->back() == '/' ? "" : "/")));
}

// clang-format off
const TPrefixCase PrefixCases[] = {
    {"SixtyFourBitUnderWow6432Node", Plain + "\"EXE Path\"=\"C:\\\\Wrong\\\\\"\n\n" + Wow + "\"EXE Path\"=\"C:\\\\Program Files (x86)\\\\Microsoft Games\\\\Flight Simulator 9\\\\\"\n", u"pfx/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9"_s, u"pfx/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/"_s},
    {"ThirtyTwoBitWithoutTrailingBackslash", Plain + "\"Install Path\"=\"x\"\n\"EXE Path\"=\"C:\\\\Games\\\\FS9\"\n", u"pfx/drive_c/Games/FS9"_s, u"pfx/drive_c/Games/FS9"_s},
    {"DriveLinkToAnotherFolder", Wow + "\"EXE Path\"=\"d:\\\\FS9\\\\\"\n", u"elsewhere/FS9"_s, u"elsewhere/FS9/"_s},
    {"CaseDiffersFromTheRegistry", "[SOFTWARE\\\\microsoft\\\\Microsoft Games\\\\FLIGHT SIMULATOR\\\\9.0] 1\n\"exe path\"=\"C:\\\\PROGRAM FILES\\\\fs9\\\\\"\n", u"pfx/drive_c/Program Files/FS9"_s, u"pfx/drive_c/Program Files/FS9/"_s},
    {"EscapesDecoded", Plain + "\"EXE Path\"=str(2):\"C:\\\\Spiele\\\\Flugsimulator \\x00e9t\\xe9\\\\\"\n", u"pfx/drive_c/Spiele/Flugsimulator \u00e9t\u00e9"_s, u"pfx/drive_c/Spiele/Flugsimulator \u00e9t\u00e9/"_s},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Prefixes, WineHostKeyTest, testing::ValuesIn(PrefixCases), CaseName);

// When the key cannot be opened (no value) and when it opens without a usable string (empty text).
struct TMissingCase {
    const char* Name;
    bool MakePrefix;
    std::optional<QByteArray> Registry;
    std::optional<std::string> Expected;
};

class WineHostKeyMissingTest : public testing::TestWithParam<TMissingCase> {};

TEST_P(WineHostKeyMissingTest, GivesTheDefaults) {
    const TMissingCase& c = GetParam();
    TWinePrefixBuilder wine;
    wine.AddDriveC();
    if (c.Registry) {
        wine.WriteSystemReg(*c.Registry);
    }
    const QString prefix = c.MakePrefix ? wine.Prefix() : wine.Root() + u"/no-prefix"_s;
    EXPECT_EQ(TSystemHostLocator(prefix).ReadHostKey(), c.Expected);
}

// clang-format off
const TMissingCase MissingCases[] = {
    {"NoPrefix", false, std::nullopt, std::nullopt},
    {"NoSystemReg", true, std::nullopt, std::nullopt},
    {"NoSuchKey", true, "[Software\\\\Microsoft\\\\Other] 1\n\"EXE Path\"=\"C:\\\\\"\n", std::nullopt},
    {"SubkeyIsNotTheKey", true, Plain.left(Plain.indexOf(']')) + "\\\\Sub] 1\n\"EXE Path\"=\"C:\\\\\"\n", std::nullopt},
    {"KeyWithoutValue", true, Plain + "\"Other\"=\"C:\\\\\"\n", std::string()},
    {"ValueNotAString", true, Plain + "\"EXE Path\"=dword:00000001\n", std::string()},
    {"DriveTheMachineLacks", true, Plain + "\"EXE Path\"=\"Q:\\\\FS9\"\n", std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, WineHostKeyMissingTest, testing::ValuesIn(MissingCases), CaseName);

} // namespace
