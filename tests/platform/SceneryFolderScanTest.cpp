#include "platform/SceneryFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// An Addon Scenery folder as users fill it: what counts is a scenery subfolder in any letter case with
// a .bgl file in any letter case, one or two levels down.
TEST(SceneryFolderScan, FindsTheAddOnsOneAndTwoLevelsDown) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const char* const files[] = {
        "Alps/scenery/alps.bgl",          "Kona/SCENERY/KONA.BGL",   "Kona/texture/kona.bmp",
        "Pack/Huts/Scenery/huts.Bgl",     "Pack/readme.txt",         "Empty/scenery/readme.txt",
        "Deep/a/b/scenery/deep.bgl",      "Textures/texture/t.bgl",  "Flat/flat.bgl",
        "Odd/scenery.bgl"};
    for (const char* file : files) {
        const QString path = root.filePath(QString::fromLatin1(file));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("Odd/scenery.bgl.d"))));
    std::vector<std::string> found = FindSceneryFolders(root.path().toStdString());
    for (std::string& folder : found)
        folder = QDir(root.path()).relativeFilePath(QDir::fromNativeSeparators(QString::fromStdString(folder))).toStdString();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"Alps", "Kona", "Pack/Huts"}));
    EXPECT_TRUE(HoldsSceneryFolder(root.filePath(QStringLiteral("Empty")).toStdString()));
    EXPECT_FALSE(HoldsSceneryFolder(root.filePath(QStringLiteral("Odd")).toStdString()));
    EXPECT_TRUE(FindSceneryFolders(root.filePath(QStringLiteral("gone")).toStdString()).empty());
}

} // namespace
