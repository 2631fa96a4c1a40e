#include "CfgVerb.h"

#include "model/prefs/Global.h"

#include "model/scan/AirportCheck.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"

#include <cstdio>

namespace {

class TLines {
public:
    explicit TLines(const std::vector<const TArea*>& areas) : FAreas(areas) {}

    TLines& Start(const std::string& first) {
        FLine = first;
        return *this;
    }
    TLines& Area(int position) {
        const TArea& area = *FAreas[static_cast<std::size_t>(position)];
        return Field(AreaSectionName(area.Number)).Field(area.Title);
    }
    TLines& Field(const std::string& text) {
        FLine += "\t" + text;
        return *this;
    }
    void End() {
        FLine += "\n";
        std::fwrite(FLine.data(), 1, FLine.size(), stdout);
        ++FPrinted;
    }
    int Printed() const { return FPrinted; }

private:
    const std::vector<const TArea*>& FAreas;
    std::string FLine;
    int FPrinted = 0;
};

// quarrow-cfg airports: prints, one tab-separated line each, every airport defined by more than one
// file of the library's active add-on areas (the ICAO, then the section and title of each file's area,
// the one the simulator uses first), every folder two areas list ("twice", then both areas, the higher
// layer first), every file made for a later simulator ("later", its area and path) and every file that
// could not be read ("unreadable", its area, path and reason). The summary goes to the error output.
// The host folder is native, with its trailing separator. Returns the exit status: 0 nothing printed,
// 1 some.
int PrintAirportClashes(const TSceneryDocument& document, const std::string& hostFolder) {
    const std::vector<const TArea*> areas = document.AreaPointers();
    const TAirportCheck check = CheckAirports(areas, hostFolder, TSystemHostFolders(), TSystemSceneryFiles(),
                                              [](int, int, const TArea&) { return true; });
    TLines lines(areas);
    for (const TAirportClash& clash : check.Clashes) {
        lines.Start(clash.Icao);
        for (const TClashFile& file : clash.Files)
            lines.Area(file.Position);
        lines.End();
    }
    for (const TListedTwice& twice : check.Twice)
        lines.Start("twice").Area(twice.Higher).Area(twice.Lower).End();
    for (const TCheckedFile& file : check.Later)
        lines.Start("later").Area(file.Position).Field(file.Path).End();
    for (const TCheckedFile& file : check.Unreadable)
        lines.Start("unreadable").Area(file.Position).Field(file.Path).Field(file.Reason).End();
    std::fprintf(stderr, "%s\n", AirportCheckSummary(check).c_str());
    return lines.Printed() == 0 ? 0 : 1;
}

int Airports(const TLibraryInFolder& library) {
    return PrintAirportClashes(library.Document,
                               WithTrailingSeparator(library.HostFolder.toLocal8Bit().toStdString()));
}

int RunAirports(const std::vector<std::string>& arguments) {
    return RunOnLibraryInFolder(arguments, Airports);
}

} // namespace

const TCfgVerb AirportsVerb{
    "airports", "CFG [--host FOLDER]",
    "  airports reads the FS2004 airport records (type 0x0003) of the active add-on areas' .bgl\n"
    "  files and prints, one line each, separated by tabs: each airport more than one file defines\n"
    "  (the ICAO, then for each file the section and title of its area, the one the simulator uses\n"
    "  first); \"twice\" and the section and title of two areas whose Local Path leads to one\n"
    "  folder (the higher layer first); \"later\", the area and the file's path for each file made\n"
    "  for a later simulator; \"unreadable\", the area, the path and the reason for each file that\n"
    "  could not be read. The summary goes to standard error. Exit status: 0 nothing printed,\n"
    "  1 some lines, 2 usage, or CFG or FOLDER missing or unreadable.\n",
    RunAirports};
