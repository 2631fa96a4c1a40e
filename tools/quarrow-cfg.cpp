// quarrow-cfg: reads a Scenery.cfg or area set file as the program does and writes it back with the
// program's writer, for round trips, benchmarks and scripting without a window.

#include "model/InOutError.h"
#include "model/QuarrowTypes.h"
#include "platform/FileTextOutput.h"
#include "platform/IniProfile.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fputs("usage: quarrow-cfg roundtrip [--renumber] IN OUT\n"
               "  Reads IN ([General], then areas 0 to 1999) and writes OUT in the program's form.\n"
               "  --renumber  set each area's number and layer to its 1-based position, as saving does\n",
               stderr);
    return 2;
}

void RoundTrip(const QString& in, const QString& out, bool renumber) {
    const auto profile = TIniProfile::FromFile(in);
    TGeneral general;
    general.LoadFrom(*profile);
    std::vector<std::unique_ptr<TArea>> areas;
    SweepAreas(*profile, [&areas](std::unique_ptr<TArea> area) { areas.push_back(std::move(area)); });
    if (renumber) {
        for (std::size_t i = 0; i < areas.size(); ++i)
            areas[i]->Number = areas[i]->Layer = static_cast<std::int32_t>(i + 1);
    }
    TFileTextOutput output(out);
    general.WriteTo(output);
    for (const auto& area : areas)
        area->WriteTo(output);
    output.Commit();
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
    try {
        RoundTrip(QString::fromLocal8Bit(args[0]), QString::fromLocal8Bit(args[1]), renumber);
    } catch (const EInOutError& error) {
        std::fprintf(stderr, "quarrow-cfg: cannot write %s: %s (code %d)\n", args[1].c_str(), error.what(),
                     error.Code());
        return 1;
    }
    return 0;
}
