#include "AirportsCommand.h"

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

} // namespace

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
