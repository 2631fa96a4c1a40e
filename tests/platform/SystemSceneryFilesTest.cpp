#include "platform/SystemSceneryFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The scenery subfolder and its .bgl files in any letter case; folders, other files and a FIFO named
// like a .bgl file are left out, so that opening a listed file never blocks.
TEST(SystemSceneryFiles, ListsAndReadsTheBglFilesOfTheScenerySubfolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("Area/SCENERY/dir.bgl"))));
    for (const char* name : {"Area/SCENERY/b.BGL", "Area/SCENERY/a.bgl", "Area/SCENERY/notes.txt"})
        ASSERT_TRUE(WriteBytes(root.filePath(QString::fromLatin1(name)), "0123456789"));
    ASSERT_EQ(mkfifo(root.filePath(QStringLiteral("Area/SCENERY/fifo.bgl")).toLocal8Bit().constData(), 0600),
              0);
    const TSystemSceneryFiles files;
    const std::string area = root.filePath(QStringLiteral("Area")).toStdString();
    EXPECT_EQ(files.BglFiles(area),
              (std::vector<std::string>{area + "/SCENERY/a.bgl", area + "/SCENERY/b.BGL"}));
    EXPECT_TRUE(files.BglFiles(root.path().toStdString()).empty());

    const std::unique_ptr<TByteSource> source = files.Open(area + "/SCENERY/b.BGL");
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->Size(), 10u);
    unsigned char part[4] = {};
    EXPECT_TRUE(source->Read(6, 4, part));
    EXPECT_EQ(std::string(part, part + 4), "6789");
    EXPECT_FALSE(source->Read(7, 4, part));
    EXPECT_EQ(files.Open(area + "/SCENERY/gone.bgl"), nullptr);
}

} // namespace
