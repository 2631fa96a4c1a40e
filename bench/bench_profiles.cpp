// Profiles: applying one to a list of 2000 areas in the model, and the data of the Profiles dialog (50
// profiles of 2000 areas read, keyed and each applied to the list).

#include "GeneratedLibrary.h"
#include "model/format/ProfileFile.h"
#include "model/library/FolderMemo.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryProfiles.h"
#include "platform/ProfileFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Areas = 2000;
constexpr int Profiles = 50;

TSceneryDocument GeneratedDocument() {
    TSceneryDocument document;
    for (const auto& area : GeneratedAreas(Areas))
        document.Areas.push_back(NewEntry(*area));
    return document;
}

// The nth profile switches every (n + 2)th area off and the rest on.
TSceneryDocument ProfileDocument(const TSceneryDocument& now, int n) {
    TSelection off(now.Areas.size(), 0);
    for (std::size_t p = 0; p < off.size(); p += static_cast<std::size_t>(n + 2))
        off[p] = 1;
    const TSelection all(now.Areas.size(), 1);
    return SetActive(SetActive(now, all, true).Step.Document, off, false).Step.Document;
}

void ApplyToTwoThousand(benchmark::State& state) {
    QTemporaryDir dir;
    const TSceneryDocument now = GeneratedDocument();
    const TSystemHostFolders folders;
    const std::unique_ptr<TFolderCheck> check = folders.StartCheck(dir.path().toStdString() + "/");
    TFolderMemo memo(*check);
    const std::vector<std::string> keys = ProfileKeys(now, memo.Folders(now));
    const TSceneryDocument saved = ProfileDocument(now, 1);
    TProfile profile{"Lean", {}};
    const std::vector<std::string> savedKeys = ProfileKeys(saved, memo.Folders(saved));
    for (int p = 0; p < saved.Count(); ++p)
        profile.Areas.push_back({savedKeys[std::size_t(p)], saved.Area(p).Title, saved.Area(p).Active});
    const TSelection selected(now.Areas.size(), 0);
    for (auto _ : state)
        if (ApplyProfile(now, keys, selected, profile, true).Changed.empty())
            state.SkipWithError("nothing applied");
}

void ReviewFiftyProfiles(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string host = dir.path().toStdString() + "/";
    const std::string library = host + "Scenery.cfg";
    const TProfileFolder store(dir.filePath(u"Profiles"_s));
    const TSceneryDocument now = GeneratedDocument();
    // Numbered from 0, so that all 2000 areas are read back (a saved list holds at most 1999).
    for (int n = 0; n < Profiles; ++n) {
        const TSceneryDocument profile = ProfileDocument(now, n);
        std::vector<TArea> areas;
        for (int p = 0; p < profile.Count(); ++p) {
            areas.push_back(profile.Area(p));
            areas.back().Number = p;
        }
        std::vector<const TArea*> pointers;
        for (const TArea& area : areas)
            pointers.push_back(&area);
        store.Save(library, "Profile " + std::to_string(n), pointers);
    }
    const TSystemFileAccess files;
    const TSystemHostFolders folders;
    const TSelection selected(now.Areas.size(), 0);
    for (auto _ : state) {
        const std::unique_ptr<TFolderCheck> check = folders.StartCheck(host);
        TFolderMemo memo(*check);
        const std::vector<std::string> keys = ProfileKeys(now, memo.Folders(now));
        int changed = 0;
        for (const TProfileReview& review : ReviewProfiles(store.List(library), files, memo))
            changed += !ApplyProfile(now, keys, selected, review.Profile, false).Changed.empty();
        if (changed != Profiles)
            state.SkipWithError("the profiles were not compared");
    }
}

} // namespace

BENCHMARK(ApplyToTwoThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(ReviewFiftyProfiles)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
