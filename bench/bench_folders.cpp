// Checking the folders of 2000 areas spread over four parent folders of 500 each, one in ten missing,
// the Local Paths written in another letter case than the disk's names. The disk's caches are warm
// after the first run; each run makes a new check, so every listing is read again. The search for new
// add-on folders reads an Addon Scenery folder of 2000 of them.

#include "platform/AreaFolders.h"
#include "platform/SceneryFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int AreaCount = 2000;
const QString Parents[] = {u"Addon Scenery"_s, u"Scenery"_s, u"Custom Airports"_s, u"Mesh"_s};

void CheckFolders(benchmark::State& state) {
    QTemporaryDir host;
    QStringList locals;
    for (int i = 0; i < AreaCount; ++i) {
        const QString parent = Parents[i % 4];
        const QString name = u"Area %1"_s.arg(i, 4, 10, QChar(u'0'));
        if (i % 10 != 0)
            QDir(host.path()).mkpath(parent + u'/' + name);
        locals << parent.toUpper() + u'\\' + name.toLower();
    }
    int missing = 0;
    for (auto _ : state) {
        TAreaFolderCheck check(host.path() + u'/');
        missing = 0;
        for (const QString& local : locals)
            missing += check.Resolve(local).Exists ? 0 : 1;
        benchmark::DoNotOptimize(missing);
    }
    state.counters["missing"] = missing;
}
BENCHMARK(CheckFolders)->Unit(benchmark::kMillisecond);

// An Addon Scenery folder of 2000 add-ons, each with scenery\ holding a .bgl file and texture\, one
// in four of them unpacked one level deeper inside a folder of its own.
void FindNewFolders(benchmark::State& state) {
    QTemporaryDir addon;
    for (int i = 0; i < AreaCount; ++i) {
        const QString folder = (i % 4 == 0 ? u"Pack %1/Addon %1"_s : u"Addon %1"_s).arg(i, 4, 10, QChar(u'0'));
        QDir(addon.path()).mkpath(folder + u"/texture"_s);
        QDir(addon.path()).mkpath(folder + u"/scenery"_s);
        QFile(addon.filePath(folder + u"/scenery/area.bgl"_s)).open(QIODevice::WriteOnly);
    }
    std::size_t found = 0;
    for (auto _ : state)
        found = FindSceneryFolders(addon.path().toStdU16String()).size();
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(FindNewFolders)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
