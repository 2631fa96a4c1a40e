// quarrow-cfg: reads a Scenery.cfg or area set file as the program does and writes it back with the
// program's writer, checks that the host finds every area's folder, or names the file that is the
// simulator's library: for round trips, benchmarks and scripting without a window.

#include "AirportsCommand.h"
#include "model/document/DocumentCommands.h"
#include "model/format/InOutError.h"
#include "model/format/ProfileFile.h"
#include "model/format/UnreadSections.h"
#include "model/library/ConfigurationFile.h"
#include "model/library/LibraryFile.h"
#include "model/prefs/Global.h"
#include "platform/AnsiCodec.h"
#include "platform/AreaFolders.h"
#include "platform/PrefsSettingsStore.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostLocator.h"
#include "platform/SystemHostSystem.h"
#include "platform/WinePaths.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

const char* const UsageText =
    "usage: quarrow-cfg roundtrip [--renumber] [--yes] IN OUT\n"
    "       quarrow-cfg check CFG [--host FOLDER]\n"
    "       quarrow-cfg where [--host FOLDER]\n"
    "       quarrow-cfg airports CFG [--host FOLDER]\n"
    "       quarrow-cfg --help | --version\n"
    "  roundtrip reads IN ([General], then areas 0 to 1999) and writes OUT in the program's form.\n"
    "  --renumber  set each area's number and layer to its 1-based position, as saving does\n"
    "  --yes       write OUT even when IN holds areas the program does not show (numbered 2000\n"
    "              or above, without Local Path) or is no library: OUT is written without them\n"
    "  Exit status: 0 done, 1 OUT not written (it is left as it was: it could not be written, or\n"
    "  IN holds what OUT would lose and --yes was not given), 2 usage or IN exists but could not\n"
    "  be read (a missing IN reads as an empty library).\n"
    "  Every file name is matched as Windows matches it: an existing file whose name differs only\n"
    "  in letter case is the one read or replaced.\n"
    "  check prints each area whose folder the host would not find, one line each: section,\n"
    "  title, Local Path as written and the folder it leads to, separated by tabs. FOLDER is\n"
    "  the host folder (default: the folder holding CFG). Exit status: 0 none missing, 1 some\n"
    "  missing, 2 usage, or CFG or FOLDER missing or unreadable.\n"
    "  where prints the file the simulator will read as its library for the host folder (default:\n"
    "  the one Quarrow's settings name) and, after a tab, why: plain (the folder's Scenery.cfg),\n"
    "  pending (the NewScenery.cfg the simulator swaps in at its next start) or per-user (Windows'\n"
    "  copy of it in the user's VirtualStore). Exit status: 0 done, 2 usage or no host folder.\n"
    "  airports reads the FS2004 airport records (type 0x0003) of the active add-on areas' .bgl\n"
    "  files and prints, one line each, separated by tabs: each airport more than one file defines\n"
    "  (the ICAO, then for each file the section and title of its area, the one the simulator uses\n"
    "  first); \"twice\" and the section and title of two areas whose Local Path leads to one\n"
    "  folder (the higher layer first); \"later\", the area and the file's path for each file made\n"
    "  for a later simulator; \"unreadable\", the area, the path and the reason for each file that\n"
    "  could not be read. The summary goes to standard error. Exit status: 0 nothing printed,\n"
    "  1 some lines, 2 usage, or CFG or FOLDER missing or unreadable.\n";

int Usage() {
    std::fputs(UsageText, stderr);
    return 2;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "quarrow-cfg: %s\n", message.c_str());
    return 2;
}

// The document of the file; no value (after saying why) when it exists but cannot be read, or is
// missing where missing is an error.
std::optional<TSceneryDocument> ReadFile(const TFileAccess& files, const std::string& path,
                                         bool missingIsEmpty) {
    const TProfileRead read = files.ReadProfile(path);
    if (!read.Failure.empty()) {
        Fail("cannot read " + path + ": " + read.Failure);
        return std::nullopt;
    }
    if (!missingIsEmpty && read.Stamp.State == TFileStamp::TState::Missing) {
        Fail("cannot read " + path + ": no such file");
        return std::nullopt;
    }
    return ReadDocument(*read.Profile);
}

std::optional<QString> HostFolderOf(const std::string& cfg, const std::string& host) {
    const QString folder =
        host.empty() ? QFileInfo(QString::fromLocal8Bit(cfg)).absolutePath() : QString::fromLocal8Bit(host);
    if (QFileInfo(folder).isDir())
        return folder;
    Fail("cannot read the host folder " + host + ": no such folder");
    return std::nullopt;
}

// The library and its host folder, both there, for the commands that look at the areas' folders.
struct TLibraryInFolder {
    TSceneryDocument Document;
    QString HostFolder;
};

std::optional<TLibraryInFolder> ReadLibraryInFolder(const std::string& cfgAsGiven, const std::string& host) {
    const TSystemFileAccess files;
    const std::string cfg = files.ExistingSpelling(cfgAsGiven);
    std::optional<TSceneryDocument> document = ReadFile(files, cfg, false);
    const std::optional<QString> hostFolder = document ? HostFolderOf(cfg, host) : std::nullopt;
    if (!hostFolder)
        return std::nullopt;
    return TLibraryInFolder{std::move(*document), *hostFolder};
}

int Check(const std::string& cfgAsGiven, const std::string& host) {
    const std::optional<TLibraryInFolder> library = ReadLibraryInFolder(cfgAsGiven, host);
    if (!library)
        return 2;
    TAreaFolderCheck check(library->HostFolder);
    int missing = 0;
    for (const TDocumentArea& entry : library->Document.Areas) {
        const TArea& area = *entry.Area;
        const TAreaFolder folder = check.Resolve(AnsiToUnicode(area.Local));
        if (folder.Exists)
            continue;
        ++missing;
        const std::string line = AreaSectionName(area.Number) + "\t" + area.Title + "\t" + area.Local + "\t" +
                                 UnicodeToAnsi(QDir::toNativeSeparators(folder.Path)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return missing > 0 ? 1 : 0;
}

int Airports(const std::string& cfgAsGiven, const std::string& host) {
    const std::optional<TLibraryInFolder> library = ReadLibraryInFolder(cfgAsGiven, host);
    if (!library)
        return 2;
    return PrintAirportClashes(library->Document,
                               WithTrailingSeparator(library->HostFolder.toLocal8Bit().toStdString()));
}

// Both names are matched as the host matches them: a scenery.cfg must not read as an empty library
// under the name Scenery.cfg, nor get a second library written beside it. What the reader leaves out
// of IN is lost in OUT, so that is written only when asked for.
int RoundTrip(const std::string& inAsGiven, const std::string& outAsGiven, bool renumber, bool yes) {
    const TSystemFileAccess files;
    const std::string in = files.ExistingSpelling(inAsGiven), out = files.ExistingSpelling(outAsGiven);
    const TProfileRead read = files.ReadProfile(in);
    if (!read.Failure.empty())
        return Fail("cannot read " + in + ": " + read.Failure);
    TSceneryDocument document = ReadDocument(*read.Profile);
    const std::string unread = UnreadNotice(FindUnreadSections(*read.Profile), in, read.Stamp.Size);
    if (!unread.empty()) {
        std::fprintf(stderr, "quarrow-cfg: %s\n", unread.c_str());
        if (!yes) {
            std::fprintf(stderr, "quarrow-cfg: %s not written; --yes writes it all the same.\n", out.c_str());
            return 1;
        }
    }
    if (renumber)
        document = RenumberAreas(document, {}).Document;
    try {
        WriteConfiguration(files, out, &document.General, document.AreaPointers());
    } catch (const EInOutError& error) {
        std::fprintf(stderr, "quarrow-cfg: cannot write %s: %s (code %d)\n", out.c_str(),
                     error.Reason().c_str(), error.Code());
        return 1;
    }
    return 0;
}

// The host folder Quarrow's settings name, found as the program finds it at its start.
std::string ConfiguredHostFolder() {
    TPrefsSettingsStore store;
#ifdef Q_OS_WIN
    const TSystemHostLocator host;
#else
    const TSystemHostLocator host(DefaultWinePrefix());
#endif
    TPrefs prefs;
    LoadPrefs(prefs, {&store, &host, [](const std::string&) {}});
    return prefs.FSPath;
}

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

// The value of "--host FOLDER" at the end of the arguments after the first ones; no value for any
// other shape.
std::optional<std::string> HostOption(const std::vector<std::string>& args, std::size_t fixed) {
    if (args.size() == fixed)
        return std::string();
    if (args.size() == fixed + 2 && args[fixed] == "--host")
        return args[fixed + 1];
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::puts("quarrow-cfg " QUARROW_VERSION);
        return 0;
    }
    if (args.size() >= 2 && args[0] == "check") {
        const std::optional<std::string> host = HostOption(args, 2);
        return host ? Check(args[1], *host) : Usage();
    }
    if (args.size() >= 2 && args[0] == "airports") {
        const std::optional<std::string> host = HostOption(args, 2);
        return host ? Airports(args[1], *host) : Usage();
    }
    if (!args.empty() && args[0] == "where") {
        const std::optional<std::string> host = HostOption(args, 1);
        return host && !(host->empty() && args.size() > 1) ? Where(*host) : Usage();
    }
    if (args.empty() || args[0] != "roundtrip")
        return Usage();
    args.erase(args.begin());
    bool renumber = false, yes = false;
    for (; !args.empty() && (args[0] == "--renumber" || args[0] == "--yes"); args.erase(args.begin()))
        (args[0] == "--yes" ? yes : renumber) = true;
    if (args.size() != 2)
        return Usage();
    return RoundTrip(args[0], args[1], renumber, yes);
}
