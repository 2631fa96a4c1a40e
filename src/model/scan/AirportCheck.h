#pragma once

#include "model/format/QuarrowTypes.h"
#include "model/scan/AirportClashes.h"

#include <functional>
#include <string>
#include <vector>

class THostFolders;
class TSceneryFiles;

// A scenery file the check names beside the clashes.
struct TCheckedFile {
    int Position = 0;
    std::string Path;
    // Why it could not be read; empty for a file made for a later simulator.
    std::string Reason;
};

// What checking the airports of a library found. Paths lie below the host folder, written as Windows
// writes them ("Addon Scenery\KSEA\scenery\KSEA.bgl"); a file elsewhere keeps its native path.
struct TAirportCheck {
    std::vector<TAirportClash> Clashes;
    std::vector<TListedTwice> Twice;
    // Files whose airports are all in the form of a later simulator: FS2004 does not use them.
    std::vector<TCheckedFile> Later;
    std::vector<TCheckedFile> Unreadable;
    // Every area read, with its files' airports, so that a move can be checked again without reading.
    std::vector<TScannedArea> Scanned;
    int Airports = 0;
    // The .bgl files read; a folder listed twice counts once.
    int Files = 0;
    bool Cancelled = false;

    // Nothing to show the user beyond the summary.
    bool FoundNothing() const {
        return Clashes.empty() && Twice.empty() && Later.empty() && Unreadable.empty();
    }
};

// Told before each area is read: how many are done, of how many, and which comes next. Returns false
// to stop the check.
using TAirportProgress = std::function<bool(int done, int total, const TArea& next)>;

// Reads the airport records of every active area's scenery files, apart from the simulator's own
// areas (those inside the host folder's Scenery folder: each add-on airport replaces one of them, as
// meant), and finds the airports that more than one file defines. The host folder is native, with
// its trailing separator. Reads files only: the areas stay as they are.
TAirportCheck CheckAirports(const std::vector<const TArea*>& areas, const std::string& hostFolder,
                            const THostFolders& folders, const TSceneryFiles& files,
                            const TAirportProgress& progress);

// The check once the rows have moved into the order given (each entry the old position of the row now
// there) and taken the layers of the areas now in the list.
TAirportCheck Rechecked(const TAirportCheck& check, const std::vector<int>& order,
                        const std::vector<const TArea*>& areas);

// "3 airports in 12 files checked, 1 unreadable, 2 made for a later simulator.", each part after the
// files only when not zero.
std::string AirportCheckSummary(const TAirportCheck& check);
