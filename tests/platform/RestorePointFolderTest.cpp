#include "platform/RestorePointFolder.h"
#include "support/CaseName.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::string Library = "/fs9/Scenery.cfg";

struct TKeep {
    int Second;
    std::string Bytes;
    bool Pending = false;
};

// Saves count seconds apart (0: all in the same second), holding P0, P1, ...
std::vector<TKeep> Series(int count, int step) {
    std::vector<TKeep> keeps;
    for (int i = 0; i < count; ++i)
        keeps.push_back({i * step, "P" + std::to_string(i)});
    return keeps;
}

struct TKeepCase {
    const char* Name;
    std::vector<TKeep> Keeps;
    std::size_t Count;
    // The first points listed, then the last, each as "file name=bytes".
    std::vector<std::string> Newest;
    std::string Oldest;
    // How the newest is shown.
    std::string NewestSaved;
};

class RestorePointKeeping : public testing::TestWithParam<TKeepCase> {
protected:
    QTemporaryDir Data;
    QDateTime Now{QDate(2026, 12, 9), QTime(23, 41, 7)};
    TRestorePointFolder Points{Data.filePath(u"Restore Points"_s), [this] { return Now; }};
};

std::string Listed(const TRestorePoint& point) {
    const QString file = QString::fromLocal8Bit(point.File);
    return QFileInfo(file).fileName().toStdString() + "=" + FileBytes(file);
}

// Each point is one file named after the save's time, listed newest first; the 50 newest stay, and a
// file of another name in the folder is neither listed nor removed.
TEST_P(RestorePointKeeping, KeepsNamesAndLimits) {
    const TKeepCase& c = GetParam();
    const QString folder = Points.LibraryFolder(Library);
    ASSERT_TRUE(WriteBytes(folder + u"/notes.txt"_s));
    const QDateTime start = Now;
    for (const TKeep& keep : c.Keeps) {
        Now = start.addSecs(keep.Second);
        ASSERT_EQ(Points.Keep(Library, keep.Bytes, keep.Pending), "");
    }
    const std::vector<TRestorePoint> points = Points.List(Library);
    ASSERT_EQ(points.size(), c.Count);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), static_cast<qsizetype>(c.Count + 1));
    for (std::size_t i = 0; i < c.Newest.size(); ++i)
        EXPECT_EQ(Listed(points[i]), c.Newest[i]) << i;
    EXPECT_EQ(Listed(points.back()), c.Oldest);
    EXPECT_EQ(points.front().Saved, c.NewestSaved);
    EXPECT_EQ(points.front().Pending, c.Newest.front().find(" pending") != std::string::npos);
}

// clang-format off
const TKeepCase KeepCases[] = {
    // The bytes exactly as replaced, whatever the code page.
    {"OneSave", {{0, "A\r\n\x80\xff"}}, 1, {"2026-12-09 23-41-07.cfg=A\r\n\x80\xff"}, "2026-12-09 23-41-07.cfg=A\r\n\x80\xff", "2026-12-09 23:41:07"},
    {"TwoInOneSecond", {{0, "A"}, {0, "B"}}, 2, {"2026-12-09 23-41-07 (2).cfg=B", "2026-12-09 23-41-07.cfg=A"}, "2026-12-09 23-41-07.cfg=A", "2026-12-09 23:41:07 (2)"},
    // The pending file would have replaced the library it was saved with: it is kept after it.
    {"PendingBesideTheLibrary", {{0, "L"}, {0, "P", true}}, 2, {"2026-12-09 23-41-07 (2) pending.cfg=P", "2026-12-09 23-41-07.cfg=L"}, "2026-12-09 23-41-07.cfg=L", "2026-12-09 23:41:07 (2)"},
    {"TheNewest50Stay", Series(51, 1), 50, {"2026-12-09 23-41-57.cfg=P50", "2026-12-09 23-41-56.cfg=P49"}, "2026-12-09 23-41-08.cfg=P1", "2026-12-09 23:41:57"},
    // Clash numbers count, they do not sort as text: (10) is newer than (9). Once the first of the
    // second has gone, the next is (53), not a new first that would go at once.
    {"FiftyThreeInOneSecond", Series(53, 0), 50, {"2026-12-09 23-41-07 (53).cfg=P52", "2026-12-09 23-41-07 (52).cfg=P51"}, "2026-12-09 23-41-07 (4).cfg=P3", "2026-12-09 23:41:07 (53)"},
    {"AcrossMidnight", {{0, "A"}, {3600, "B"}}, 2, {"2026-12-10 00-41-07.cfg=B", "2026-12-09 23-41-07.cfg=A"}, "2026-12-09 23-41-07.cfg=A", "2026-12-10 00:41:07"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, RestorePointKeeping, testing::ValuesIn(KeepCases), CaseName);

struct TNameCase {
    const char* Name;
    std::string Library;
    // The folder's name before the digest of the path.
    QString Readable;
};

class RestorePointFolderName : public testing::TestWithParam<TNameCase> {};

// A name every file system takes, that a person can tell the host folder by.
TEST_P(RestorePointFolderName, IsReadableAndSafe) {
    const TNameCase& c = GetParam();
    const TRestorePointFolder points(u"/data"_s);
    const QString folder = points.LibraryFolder(c.Library);
    const QRegularExpressionMatch match = QRegularExpression(u"^/data/(.*) ([0-9a-f]{8})$"_s).match(folder);
    ASSERT_TRUE(match.hasMatch()) << folder.toStdString();
    EXPECT_EQ(match.captured(1), c.Readable);
}

const TNameCase NameCases[] = {
    {"Linux", "/home/pilot/fs9/Scenery.cfg", u"home_pilot_fs9_Scenery.cfg"_s},
    {"Windows", "C:\\Program Files\\FS9\\Scenery.cfg", u"C_Program Files_FS9_Scenery.cfg"_s},
    {"Unsafe", "/fs9/a*b?c<d>e|f\"g\x01h/Scenery.cfg", u"fs9_a_b_c_d_e_f_g_h_Scenery.cfg"_s},
    {"LongKeepsTheEnd", "/" + std::string(100, 'a') + "/Scenery.cfg", QString(68, u'a') + u"_Scenery.cfg"_s},
};

INSTANTIATE_TEST_SUITE_P(Cases, RestorePointFolderName, testing::ValuesIn(NameCases), CaseName);

// Paths that read alike are different libraries with points of their own; so are paths in another
// letter case, except on Windows, where they name the same file.
TEST(RestorePointFolder, EachLibraryHasItsOwnPoints) {
    QTemporaryDir data;
    const TRestorePointFolder points(data.path());
    const std::vector<std::string> libraries = {"/fs9/Scenery.cfg", "/FS9/Scenery.cfg", "/fs9_Scenery.cfg"};
    for (const std::string& library : libraries)
        ASSERT_EQ(points.Keep(library, library, false), "");
#ifdef Q_OS_WIN
    const std::vector<std::string> caseTwins = {"/FS9/Scenery.cfg", "/fs9/Scenery.cfg"};
#else
    const std::vector<std::string> caseTwins = {"/fs9/Scenery.cfg"};
#endif
    const std::map<std::string, std::vector<std::string>> expected = {
        {"/fs9/Scenery.cfg", caseTwins},
        {"/FS9/Scenery.cfg",
         caseTwins.size() == 2 ? caseTwins : std::vector<std::string>{"/FS9/Scenery.cfg"}},
        {"/fs9_Scenery.cfg", {"/fs9_Scenery.cfg"}}};
    for (const auto& [library, held] : expected) {
        std::vector<std::string> listed;
        for (const TRestorePoint& point : points.List(library))
            listed.push_back(FileBytes(QString::fromLocal8Bit(point.File)));
        EXPECT_EQ(listed, held) << library;
    }
}

} // namespace
