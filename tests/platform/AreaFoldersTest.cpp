#include "platform/AreaFolders.h"
#include "WinePrefixBuilder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Host = u"pfx/drive_c/Program Files/FS9"_s;

// A prefix with C: (holding the host) and D:, no E:; the host folder has Addon Scenery/EDDM, an empty
// Scenery folder and a file where a folder might be expected.
class AreaFolders : public testing::Test {
protected:
    void SetUp() override {
        Wine.AddDriveC();
        Wine.MakeFolder(Host + u"/Addon Scenery/EDDM"_s);
        Wine.MakeFolder(Host + u"/Scenery"_s, u"World"_s);
        Wine.MakeFolder(u"d/Scenery/Alps"_s);
        Wine.LinkDrive(u"d:"_s, Wine.Root() + u"/d"_s);
    }
    TWinePrefixBuilder Wine;
};

struct TResolveCase {
    const char* Local;
    const char* Path; // below the test's root; "" for none
    bool Exists;
};

TEST_F(AreaFolders, ResolveAsTheHostDoes) {
    const TResolveCase cases[] = {
        {"Addon Scenery\\EDDM", "pfx/drive_c/Program Files/FS9/Addon Scenery/EDDM", true},
        {"aDDON sCENERY\\eddm\\", "pfx/drive_c/Program Files/FS9/Addon Scenery/EDDM", true},
        {"Scenery\\..\\Addon Scenery\\.\\EDDM", "pfx/drive_c/Program Files/FS9/Addon Scenery/EDDM", true},
        {"D:\\Scenery\\Alps", "d/Scenery/Alps", true},
        {"d:\\SCENERY\\alps\\\\", "d/Scenery/Alps", true},
        {"D:\\", "d", true},
        {"C:\\PROGRAM FILES\\fs9\\Addon Scenery\\EDDM", "pfx/drive_c/Program Files/FS9/Addon Scenery/EDDM",
         true},
        {"\\Program Files\\FS9\\Addon Scenery", "pfx/drive_c/Program Files/FS9/Addon Scenery", true},
        {"Addon Scenery\\Gone\\Deeper", "pfx/drive_c/Program Files/FS9/Addon Scenery/Gone/Deeper", false},
        {"scenery\\world", "pfx/drive_c/Program Files/FS9/Scenery/world", false},
        {"D:\\Scenery\\Alps\\Gone", "d/Scenery/Alps/Gone", false},
    };
    TAreaFolderCheck check(Wine.Root() + u'/' + Host + u'/');
    for (const TResolveCase& c : cases) {
        const TAreaFolder folder = check.Resolve(QString::fromLatin1(c.Local));
        EXPECT_EQ(folder.Path, Wine.Root() + u'/' + QLatin1StringView(c.Path)) << c.Local;
        EXPECT_EQ(folder.Exists, c.Exists) << c.Local;
    }
    // Nothing to resolve: an empty path, a drive the prefix lacks.
    EXPECT_EQ(check.Resolve(QString()).Path, QString());
    EXPECT_FALSE(check.Resolve(QString()).Exists);
    EXPECT_EQ(check.Resolve(u"E:\\Scenery"_s).Path, u"E:\\Scenery"_s);
    EXPECT_FALSE(check.Resolve(u"E:\\Scenery"_s).Exists);
}

// A host folder in no prefix takes the drive links of $WINEPREFIX.
TEST_F(AreaFolders, HostOutsideAnyPrefixUsesWinePrefix) {
    const QByteArray saved = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", Wine.Prefix().toLocal8Bit());
    TAreaFolderCheck check(Wine.MakeFolder(u"plain/FS9"_s));
    const TAreaFolder folder = check.Resolve(u"D:\\Scenery\\Alps"_s);
    saved.isNull() ? qunsetenv("WINEPREFIX") : qputenv("WINEPREFIX", saved);
    EXPECT_EQ(folder.Path, Wine.Root() + u"/d/Scenery/Alps"_s);
    EXPECT_TRUE(folder.Exists);
}

} // namespace
