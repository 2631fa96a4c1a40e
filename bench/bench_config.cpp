// Reading (the [General] section and the full area sweep) and writing of generated Scenery.cfg files.

#include "GeneratedLibrary.h"
#include "model/format/ProfileFile.h"
#include "model/format/QuarrowTypes.h"
#include "model/library/ConfigurationFile.h"
#include "model/library/LibraryFile.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostSystem.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

std::string WriteGeneratedFile(const QString& path, int count) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const std::string bytes = GeneratedFile(count);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return bytes;
}

void ReadConfig(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    const std::string bytes = WriteGeneratedFile(path, static_cast<int>(state.range(0)));
    const TSystemFileAccess files;
    for (auto _ : state) {
        const auto profile = files.ReadProfile(path.toStdString()).Profile;
        TGeneral general;
        general.LoadFrom(*profile);
        int areas = 0;
        SweepAreas(*profile, [&areas](std::unique_ptr<TArea>) { ++areas; });
        benchmark::DoNotOptimize(areas);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void WriteConfig(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Scenery.cfg"_s);
    const auto areas = GeneratedAreas(static_cast<int>(state.range(0)));
    std::vector<const TArea*> order;
    for (const auto& area : areas)
        order.push_back(area.get());
    const TGeneral general;
    const TSystemFileAccess files;
    for (auto _ : state)
        WriteConfiguration(files, path.toStdString(), &general, order);
}

// What a save costs before it writes: the library and a pending file found in their letter case, the
// library read again and hashed. The cheap look of the activation hint only asks for the size and time.
void ChangeCheck(benchmark::State& state) {
    QTemporaryDir dir;
    WriteGeneratedFile(dir.filePath(u"scenery.cfg"_s), 2000);
    const TSystemFileAccess files;
    const TSystemHostSystem system;
    TLibraryFile library(files, system);
    const std::string host = dir.path().toStdString() + "/";
    library.Load(host, nullptr);
    const bool cheap = state.range(0) != 0;
    for (auto _ : state)
        if (library.ChangedOutside(host, cheap) != TOutsideChange::None)
            state.SkipWithError("the file looked changed");
}

// The question whether the simulator runs comes before every save: every process is looked at.
void LookForTheSimulator(benchmark::State& state) {
    const TSystemHostSystem system;
    for (auto _ : state)
        benchmark::DoNotOptimize(system.SimulatorRunning());
}

} // namespace

BENCHMARK(ChangeCheck)->ArgName("cheap")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LookForTheSimulator)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadConfig)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteConfig)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
