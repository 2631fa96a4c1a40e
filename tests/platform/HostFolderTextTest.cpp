#include "platform/HostFolderText.h"
#include "WinePrefixBuilder.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Paths relative to the builder's root ("" for none); "/..." is an absolute path outside it.
struct TFolderCase {
    const char* Name;
    QString Chosen;
    QString FSPath;
    // Empty: the host cannot reach the folder.
    QString Expected;
};

class HostFolderTextTest : public testing::TestWithParam<TFolderCase> {};

QString InRoot(const TWinePrefixBuilder& wine, const QString& relative) {
    return relative.isEmpty() || relative.startsWith(u'/') ? relative : wine.Root() + u'/' + relative;
}

TEST_P(HostFolderTextTest, GivesTheHostsText) {
    const TFolderCase& c = GetParam();
    TWinePrefixBuilder wine;
    wine.AddDriveC();
    wine.MakeFolder(u"pfx/drive_c/FS9"_s, u"FS9.exe"_s);
    wine.MakeFolder(u"plain/FS9"_s, u"FS9.exe"_s);
    wine.MakeFolder(u"data/Scenery"_s);
    wine.LinkDrive(u"d:"_s, wine.Root() + u"/data"_s);
    wine.LinkDrive(u"z:"_s, u"/"_s);
    wine.MakeFolder(u"noz/drive_c/FS9"_s, u"FS9.exe"_s);
    wine.MakeFolder(u"noz/dosdevices"_s);

    const std::optional<QString> expected = c.Expected.isEmpty() ? std::nullopt : std::optional(c.Expected);
    EXPECT_EQ(HostFolderText(InRoot(wine, c.Chosen), InRoot(wine, c.FSPath)), expected);
}

// clang-format off
const TFolderCase FolderCases[] = {
    {"BelowTheHostFolder", u"pfx/drive_c/FS9/Addon Scenery/Alps"_s, u"pfx/drive_c/FS9/"_s, u"Addon Scenery\\Alps"_s},
    {"OutsideOnDriveC", u"pfx/drive_c/Other/Alps"_s, u"pfx/drive_c/FS9/"_s, u"C:\\Other\\Alps"_s},
    {"LongestDriveLinkWins", u"data/Scenery/Alps"_s, u"pfx/drive_c/FS9/"_s, u"D:\\Scenery\\Alps"_s},
    {"DriveRoot", u"data"_s, u"pfx/drive_c/FS9/"_s, u"D:\\"_s},
    {"ElsewhereThroughZ", u"/usr/share"_s, u"pfx/drive_c/FS9/"_s, u"Z:\\usr\\share"_s},
    // Stripping is exact: another case is another folder on this disk.
    {"CaseSensitiveStripping", u"pfx/drive_c/fs9/Alps"_s, u"pfx/drive_c/FS9/"_s, u"C:\\fs9\\Alps"_s},
    {"NoPrefixBelow", u"plain/FS9/Scenery/Alps"_s, u"plain/FS9/"_s, u"Scenery\\Alps"_s},
    {"NoPrefixOutside", u"data/Scenery"_s, u"plain/FS9/"_s, {}},
    {"NoHostFolder", u"data/Scenery"_s, u""_s, {}},
    {"PrefixWithoutZ", u"/usr/share"_s, u"noz/drive_c/FS9/"_s, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Folders, HostFolderTextTest, testing::ValuesIn(FolderCases), CaseName);

} // namespace
