#include "platform/CaseBlindNames.h"
#include "model/format/ProfileFile.h"
#include "platform/SystemFileAccess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Windows matches names without regard to case itself, and has no call to set a file's time back as
// these tests do: they are for the other systems.
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct TSpellingCase {
    const char* Name;
    QStringList Files;
    QStringList Folders;
    QString Expected;
};

// The name Scenery.cfg looked up in a folder holding these entries: the rule's edges (the window's table
// has the plain cases of one spelling).
TEST(CaseBlindNames, FindsTheLibraryInAnyLetterCase) {
    const TSpellingCase cases[] = {
        {"none", {}, {}, u"Scenery.cfg"_s},
        {"first in name order", {u"scenery.cfg"_s, u"SCENERY.CFG"_s}, {}, u"SCENERY.CFG"_s},
        {"a folder in its place", {}, {u"scenery.CFG"_s}, u"scenery.CFG"_s},
        {"only a longer name", {u"Scenery.cfg.bak"_s}, {}, u"Scenery.cfg"_s},
    };
    for (const TSpellingCase& c : cases) {
        QTemporaryDir folder;
        for (const QString& name : c.Files)
            ASSERT_TRUE(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        for (const QString& name : c.Folders)
            ASSERT_TRUE(QDir(folder.path()).mkdir(name));
        EXPECT_EQ(ExistingFileSpelling(folder.filePath(u"Scenery.cfg"_s)), folder.filePath(c.Expected))
            << c.Name;
    }
}

// The folder check looks names up by Windows' upper-case table: Ä is ä, but ẞ is not ß.
TEST(CaseBlindNames, FoldsAsWindowsDoes) {
    QTemporaryDir folder;
    for (const QString& name : {u"\u00C4LPLER"_s, u"STRA\u1E9EE"_s})
        ASSERT_TRUE(QDir(folder.path()).mkdir(name));
    const TCaseBlindListing listing(folder.path(), QDir::Dirs);
    EXPECT_EQ(listing.Find(u"\u00E4lpler"_s), std::optional<QString>(u"\u00C4LPLER"_s));
    EXPECT_EQ(listing.Find(u"stra\u00DFe"_s), std::nullopt);
}

// The cheap look trusts size and time; the save's look reads the bytes, so a rewrite that keeps both
// (here the time is set back by the kernel's own call, as a coarse clock would leave it) is still seen.
TEST(FileStampOnDisk, CheapLookTrustsSizeAndTimeOnly) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(u"Scenery.cfg"_s).toStdString();
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Area.001]\r\n") > 0);
    file.close();
    const TSystemFileAccess files;
    const TFileStamp loaded = files.ReadProfile(path).Stamp;
    ASSERT_EQ(loaded.State, TFileStamp::TState::Read);
    EXPECT_TRUE(files.Stamp(path, nullptr).SameContentAs(loaded));

    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Area.002]\r\n") > 0);
    file.close();
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_TRUE(files.Stamp(path, &loaded).SameContentAs(loaded));
    EXPECT_FALSE(files.Stamp(path, nullptr).SameContentAs(loaded));
}

} // namespace
#endif
