#pragma once

#include "model/format/QuarrowTypes.h"
#include "model/scan/AirportClashes.h"

#include <functional>
#include <string>
#include <vector>

class THostFolders;
class TSceneryFiles;

// What checking the airports of a library found.
struct TAirportCheck {
    // Each file's path relative to the host folder where it lies below it.
    std::vector<TAirportClash> Clashes;
    int Airports = 0;
    // The .bgl files read, and those of them skipped as unreadable.
    int Files = 0;
    int Unreadable = 0;
    bool Cancelled = false;
};

// Told before each area is read: how many are done, of how many, and which comes next. Returns false
// to stop the check.
using TAirportProgress = std::function<bool(int done, int total, const TArea& next)>;

// Reads the airport records of every active area's scenery files, apart from the simulator's own
// areas (those inside the host folder's Scenery folder: each add-on airport replaces one of them, as
// meant), and finds the airports that more than one area defines. The host folder is native, with
// its trailing separator. Reads files only: the areas stay as they are.
TAirportCheck CheckAirports(const std::vector<const TArea*>& areas, const std::string& hostFolder,
                            const THostFolders& folders, const TSceneryFiles& files,
                            const TAirportProgress& progress);

// "3 airports in 12 files checked.", with ", 1 unreadable" before the stop when files were skipped.
std::string AirportCheckSummary(const TAirportCheck& check);
