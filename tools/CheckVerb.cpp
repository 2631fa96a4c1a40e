#include "CfgVerb.h"

#include "platform/AnsiCodec.h"
#include "platform/AreaFolders.h"

#include <QDir>

#include <cstdio>

namespace {

int Check(const TLibraryInFolder& library) {
    TAreaFolderCheck check(library.HostFolder);
    int missing = 0;
    for (const TDocumentArea& entry : library.Document.Areas) {
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

int RunCheck(const std::vector<std::string>& arguments) {
    return RunOnLibraryInFolder(arguments, Check);
}

} // namespace

const TCfgVerb CheckVerb{
    "check", "CFG [--host FOLDER]",
    "  check prints each area whose folder the host would not find, one line each: section,\n"
    "  title, Local Path as written and the folder it leads to, separated by tabs. FOLDER is\n"
    "  the host folder (default: the folder holding CFG). Exit status: 0 none missing, 1 some\n"
    "  missing, 2 usage, or CFG or FOLDER missing or unreadable.\n",
    RunCheck};
