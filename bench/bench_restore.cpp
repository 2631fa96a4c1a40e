// Restore points: the data of the Restore Points dialog (every point read and compared with the list)
// and what keeping the replaced library adds to a save.

#include "GeneratedLibrary.h"
#include "model/format/ProfileFile.h"
#include "model/library/HostFolders.h"
#include "model/library/HostSystem.h"
#include "model/library/LibraryFile.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Areas = 2000;

// No simulator runs, so the save's time is the save's own.
class TQuietSystem : public THostSystem {
public:
    std::string PerUserFolder(const std::string&) const override { return {}; }
    bool SimulatorRunning() const override { return false; }
};

class TAlwaysYes : public TSaveQuestions {
public:
    bool Ask(const TSaveQuestion&) override { return true; }
};

// The generated library as the nth earlier save left it: n areas taken from the front to the end, one
// area retitled and one made inactive, so that every point differs from the list now.
std::string PointBytes(int n) {
    std::vector<std::unique_ptr<TArea>> areas = GeneratedAreas(Areas);
    std::rotate(areas.begin() + 2, areas.begin() + 2 + n, areas.end());
    areas[static_cast<std::size_t>(100 + n)]->Title += " (old)";
    areas[static_cast<std::size_t>(200 + n)]->Active = false;
    TFileText text;
    TGeneral().WriteTo(text);
    for (const auto& area : areas)
        area->WriteTo(text);
    return text.Bytes;
}

void WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Opening the dialog: the 50 points of the library listed, read and compared with a list of 2000 areas.
void ReviewFiftyPoints(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string host = dir.path().toStdString() + "/";
    const std::string library = host + "Scenery.cfg";
    WriteFile(dir.filePath(u"Scenery.cfg"_s), GeneratedFile(Areas));
    int second = 0;
    const QDateTime start(QDate(2026, 12, 9), QTime(8, 0));
    const TRestorePointFolder points(dir.filePath(u"Restore Points"_s),
                                     [&] { return start.addSecs(second++); });
    for (int n = 0; n < TRestorePointFolder::KeptPerLibrary; ++n)
        points.Keep(library, PointBytes(n), false);
    const TSystemFileAccess files;
    const TSystemHostFolders folders;
    const TSceneryDocument now = ReadDocument(*files.ReadProfile(library).Profile);
    for (auto _ : state) {
        const std::unique_ptr<TFolderCheck> check = folders.StartCheck(host);
        const std::vector<TRestorePointReview> reviews =
            ReviewRestorePoints(points.List(library), files, now, *check);
        if (reviews.size() != 50 || reviews.back().Difference.Same())
            state.SkipWithError("the points were not compared");
    }
}

// A save of 2000 areas without and with keeping the library it replaces (the folder full at 50 points,
// so the oldest goes each time).
void SaveKeepingAPoint(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string host = dir.path().toStdString() + "/";
    WriteFile(dir.filePath(u"Scenery.cfg"_s), GeneratedFile(Areas));
    const TSystemFileAccess files;
    const TQuietSystem system;
    const TRestorePointFolder points(dir.filePath(u"Restore Points"_s));
    TLibraryFile library(files, system, state.range(0) != 0 ? &points : nullptr);
    const TSceneryDocument document = library.Load(host, nullptr).Document;
    TAlwaysYes yes;
    for (int i = 0; i < TRestorePointFolder::KeptPerLibrary; ++i)
        library.Save(document, host, false, yes);
    for (auto _ : state)
        if (library.Save(document, host, false, yes).Result != TSaveResult::Saved)
            state.SkipWithError("not saved");
}

} // namespace

BENCHMARK(ReviewFiftyPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveKeepingAPoint)->ArgName("keep")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
