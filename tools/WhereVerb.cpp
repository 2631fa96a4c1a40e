#include "CfgVerb.h"

#include "model/library/LibraryFile.h"
#include "model/prefs/Global.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostSystem.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int Where(const std::string& hostAsGiven) {
    const std::string host =
        hostAsGiven.empty() ? ConfiguredHostFolder() : WithTrailingSeparator(hostAsGiven);
    if (host.empty())
        return Fail("no host folder: set the simulator's folder in Quarrow's settings, or give --host");
    if (!QFileInfo(QString::fromLocal8Bit(host)).isDir())
        return Fail("cannot read the host folder " + host + ": no such folder");
    const TSystemFileAccess files;
    const TSystemHostSystem system;
    const TLibraryChoice choice = TLibraryFile(files, system).Locate(host);
    const std::string line = choice.ReadFrom() + "\t" + LibraryKindWord(choice.Kind()) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}

int RunWhere(const std::vector<std::string>& arguments) {
    const std::optional<std::string> host = HostOption(arguments, 0);
    return host && !(host->empty() && !arguments.empty()) ? Where(*host) : UsageError;
}

} // namespace

const TCfgVerb WhereVerb{
    "where", "[--host FOLDER]",
    "  where prints the file the simulator will read as its library for the host folder (default:\n"
    "  the one Quarrow's settings name) and, after a tab, why: plain (the folder's Scenery.cfg),\n"
    "  pending (the NewScenery.cfg the simulator swaps in at its next start) or per-user (Windows'\n"
    "  copy of it in the user's VirtualStore). Exit status: 0 done, 2 usage or no host folder.\n",
    RunWhere};
