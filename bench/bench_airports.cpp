// Checking the airports of 2000 active add-on areas holding 20,000 .bgl files, one in twenty an
// airport file of FS2004 records (type 0x0003, children after the fixed part), each airport defined by
// two areas. The disk's caches are warm after the first run; each run lists every folder and opens
// every file again. The scenery folders are spelt in three letter cases, as add-ons ship them.

#include "model/scan/AirportCheck.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"
#include "support/BglBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int AreaCount = 2000;
constexpr int FilesPerArea = 10;

void WriteFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0)
        std::abort();
}

// Objects of some other kind: the reader reads the header and the section table only.
std::string SceneryFile() {
    bgl::TSubsection objects{{bgl::Record(0x000B, std::string(4000, '\x44'))}};
    return bgl::File({{0x0025, false, {objects}}});
}

std::vector<TArea> MakeLibrary(const QString& host) {
    const QString sceneryNames[] = {u"scenery"_s, u"Scenery"_s, u"SCENERY"_s};
    const std::string other = SceneryFile();
    std::vector<TArea> areas;
    for (int i = 0; i < AreaCount; ++i) {
        const QString folder = u"Addon Scenery/Area %1/"_s.arg(i, 4, 10, QChar(u'0')) + sceneryNames[i % 3];
        QDir(host).mkpath(folder);
        for (int f = 0; f < FilesPerArea; ++f) {
            const int file = i * FilesPerArea + f;
            const std::string icao = "K" + std::to_string(1000 + file / 40);
            WriteFile(host + u'/' + folder + u"/file%1.bgl"_s.arg(f),
                      file % 20 == 0 ? bgl::AirportFile({icao, icao + "A"}) : other);
        }
        TArea area;
        area.Local = u"ADDON SCENERY\\area %1"_s.arg(i, 4, 10, QChar(u'0')).toStdString();
        area.Layer = i + 1;
        areas.push_back(area);
    }
    return areas;
}

void CheckAirports(benchmark::State& state) {
    QTemporaryDir host;
    const std::vector<TArea> library = MakeLibrary(host.path());
    std::vector<const TArea*> areas;
    for (const TArea& area : library)
        areas.push_back(&area);
    const std::string hostFolder = host.path().toStdString() + "/";
    TAirportCheck check;
    for (auto _ : state) {
        check = CheckAirports(areas, hostFolder, TSystemHostFolders(), TSystemSceneryFiles(),
                              [](int, int, const TArea&) { return true; });
        benchmark::DoNotOptimize(check);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["files"] = check.Files;
    state.counters["airports"] = check.Airports;
    state.counters["clashes"] = static_cast<double>(check.Clashes.size());
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(CheckAirports)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
