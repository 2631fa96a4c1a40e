// quarrow-cfg: reads a Scenery.cfg or area set file as the program does and writes it back with the
// program's writer, or checks that the host finds every area's folder: for round trips, benchmarks and
// scripting without a window.

#include "model/library/ConfigurationFile.h"
#include "model/format/InOutError.h"
#include "model/format/ProfileFile.h"
#include "model/format/QuarrowTypes.h"
#include "platform/AnsiCodec.h"
#include "platform/AreaFolders.h"
#include "platform/SystemFileAccess.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fputs(
        "usage: quarrow-cfg roundtrip [--renumber] IN OUT\n"
        "       quarrow-cfg check CFG [--host FOLDER]\n"
        "  roundtrip reads IN ([General], then areas 0 to 1999) and writes OUT in the program's form.\n"
        "  --renumber  set each area's number and layer to its 1-based position, as saving does\n"
        "  Exit status: 0 done, 1 OUT could not be written (it is left as it was), 2 usage or IN\n"
        "  exists but could not be read (a missing IN reads as an empty library).\n"
        "  Every file name is matched as Windows matches it: an existing file whose name differs only\n"
        "  in letter case is the one read or replaced.\n"
        "  check prints each area whose folder the host would not find, one line each: section,\n"
        "  title, Local Path as written and the folder it leads to, separated by tabs. FOLDER is\n"
        "  the host folder (default: the folder holding CFG). Exit status: 0 none missing, 1 some\n"
        "  missing, 2 usage or CFG cannot be read.\n",
        stderr);
    return 2;
}

// The areas of the file in ascending section number; no value (after saying why) when it exists but
// cannot be read.
std::optional<std::vector<std::unique_ptr<TArea>>> ReadAreas(const TFileAccess& files, const std::string& in,
                                                             TGeneral* general) {
    const TProfileRead read = files.ReadProfile(in);
    if (!read.Failure.empty()) {
        std::fprintf(stderr, "quarrow-cfg: cannot read %s: %s\n", in.c_str(), read.Failure.c_str());
        return std::nullopt;
    }
    if (general)
        general->LoadFrom(*read.Profile);
    std::vector<std::unique_ptr<TArea>> areas;
    SweepAreas(*read.Profile, [&areas](std::unique_ptr<TArea> area) { areas.push_back(std::move(area)); });
    return areas;
}

int Check(const std::string& cfgAsGiven, const std::string& host) {
    const TSystemFileAccess files;
    const std::string cfg = files.ExistingSpelling(cfgAsGiven);
    const auto areas = ReadAreas(files, cfg, nullptr);
    if (!areas)
        return 2;
    const QString hostFolder =
        host.empty() ? QFileInfo(QString::fromLocal8Bit(cfg)).absolutePath() : QString::fromLocal8Bit(host);
    TAreaFolderCheck check(hostFolder);
    int missing = 0;
    for (const auto& area : *areas) {
        const TAreaFolder folder = check.Resolve(AnsiToUnicode(area->Local));
        if (folder.Exists)
            continue;
        ++missing;
        const std::string line = AreaSectionName(area->Number) + "\t" + area->Title + "\t" + area->Local +
                                 "\t" + UnicodeToAnsi(QDir::toNativeSeparators(folder.Path)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return missing > 0 ? 1 : 0;
}

// Both names are matched as the host matches them: a scenery.cfg must not read as an empty library
// under the name Scenery.cfg, nor get a second library written beside it.
int RoundTrip(const std::string& inAsGiven, const std::string& outAsGiven, bool renumber) {
    const TSystemFileAccess files;
    const std::string in = files.ExistingSpelling(inAsGiven), out = files.ExistingSpelling(outAsGiven);
    TGeneral general;
    auto areas = ReadAreas(files, in, &general);
    if (!areas)
        return 2;
    std::vector<const TArea*> order;
    for (std::size_t i = 0; i < areas->size(); ++i) {
        if (renumber)
            (*areas)[i]->Number = (*areas)[i]->Layer = static_cast<std::int32_t>(i + 1);
        order.push_back((*areas)[i].get());
    }
    try {
        WriteConfiguration(files, out, &general, order);
    } catch (const EInOutError& error) {
        std::fprintf(stderr, "quarrow-cfg: cannot write %s: %s (code %d)\n", out.c_str(), error.what(),
                     error.Code());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "check") {
        if (args.size() == 2)
            return Check(args[1], {});
        if (args.size() == 4 && args[2] == "--host")
            return Check(args[1], args[3]);
        return Usage();
    }
    if (args.empty() || args[0] != "roundtrip")
        return Usage();
    args.erase(args.begin());
    const bool renumber = !args.empty() && args[0] == "--renumber";
    if (renumber)
        args.erase(args.begin());
    if (args.size() != 2)
        return Usage();
    return RoundTrip(args[0], args[1], renumber);
}
