#include "platform/SceneryFolderScan.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// An Addon Scenery folder as users fill it: what counts is a scenery subfolder in any letter case with
// a .bgl file in any letter case, one or two levels down.
TEST(SceneryFolderScan, FindsTheAddOnsOneAndTwoLevelsDown) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const char* const files[] = {"Alps/scenery/alps.bgl",
                                 "Kona/SCENERY/KONA.BGL",
                                 "Kona/texture/kona.bmp",
                                 "Alps/Sub/scenery/nested.bgl",
                                 "Pack/Huts/Scenery/huts.Bgl",
                                 "Pack/readme.txt",
                                 "Empty/scenery/readme.txt",
                                 "Deep/a/b/scenery/deep.bgl",
                                 "Textures/texture/t.bgl",
                                 "Flat/flat.bgl",
                                 "Odd/scenery.bgl"};
    for (const char* file : files)
        ASSERT_TRUE(WriteBytes(root.filePath(QString::fromLatin1(file))));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("Odd/scenery.bgl.d"))));
    std::vector<std::string> found;
    for (const std::filesystem::path& folder : FindSceneryFolders(root.path().toStdU16String()))
        found.push_back(
            QDir(root.path()).relativeFilePath(QString::fromStdU16String(folder.u16string())).toStdString());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"Alps", "Kona", "Pack/Huts"}));
    EXPECT_TRUE(HoldsSceneryFolder(root.filePath(QStringLiteral("Empty")).toStdU16String()));
    EXPECT_FALSE(HoldsSceneryFolder(root.filePath(QStringLiteral("Odd")).toStdU16String()));
    EXPECT_TRUE(FindSceneryFolders(root.filePath(QStringLiteral("gone")).toStdU16String()).empty());
}

} // namespace
