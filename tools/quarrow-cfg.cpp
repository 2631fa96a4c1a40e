// quarrow-cfg: reads a Scenery.cfg or area set file as the program does and writes it back with the
// program's writer, for round trips, benchmarks and scripting without a window.

#include "model/ConfigurationFile.h"
#include "model/InOutError.h"
#include "model/ProfileFile.h"
#include "model/QuarrowTypes.h"
#include "platform/SystemFileAccess.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fputs("usage: quarrow-cfg roundtrip [--renumber] IN OUT\n"
               "  Reads IN ([General], then areas 0 to 1999) and writes OUT in the program's form.\n"
               "  --renumber  set each area's number and layer to its 1-based position, as saving does\n"
               "  Exit status: 0 done, 1 OUT could not be written (it is left as it was), 2 usage or IN\n"
               "  exists but could not be read (a missing IN reads as an empty library).\n",
               stderr);
    return 2;
}

int RoundTrip(const std::string& in, const std::string& out, bool renumber) {
    const TSystemFileAccess files;
    const TProfileRead read = files.ReadProfile(in);
    if (!read.Failure.empty()) {
        std::fprintf(stderr, "quarrow-cfg: cannot read %s: %s\n", in.c_str(), read.Failure.c_str());
        return 2;
    }
    TGeneral general;
    general.LoadFrom(*read.Profile);
    std::vector<std::unique_ptr<TArea>> areas;
    SweepAreas(*read.Profile, [&areas](std::unique_ptr<TArea> area) { areas.push_back(std::move(area)); });
    std::vector<const TArea*> order;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (renumber)
            areas[i]->Number = areas[i]->Layer = static_cast<std::int32_t>(i + 1);
        order.push_back(areas[i].get());
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
