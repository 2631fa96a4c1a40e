// quarrow-cfg: reads a Scenery.cfg or area set file as the program does and writes it back with the
// program's writer, checks that the host finds every area's folder, names the file that is the
// simulator's library, or checks its airports: for round trips, benchmarks and scripting without a
// window. Each verb is one row of the table below.

#include "CfgVerb.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const TCfgVerb* const Verbs[] = {&RoundTripVerb, &CheckVerb, &WhereVerb, &AirportsVerb, &ProfileVerb};

std::string UsageText() {
    std::string text;
    for (const TCfgVerb* verb : Verbs)
        text += std::string(text.empty() ? "usage: " : "       ") + "quarrow-cfg " + verb->Name + " " +
                verb->Arguments + "\n";
    text += "       quarrow-cfg --help | --version\n";
    for (const TCfgVerb* verb : Verbs)
        text += verb->Help;
    return text;
}

int Usage() {
    std::fputs(UsageText().c_str(), stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::puts("quarrow-cfg " QUARROW_VERSION);
        return 0;
    }
    for (const TCfgVerb* verb : Verbs)
        if (!args.empty() && args[0] == verb->Name) {
            const int status = verb->Run({args.begin() + 1, args.end()});
            return status == UsageError ? Usage() : status;
        }
    return Usage();
}
