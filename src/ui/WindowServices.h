#pragma once

#include "model/format/QuarrowTypes.h"

class TFileAccess;
class THostFolders;
class THostLocator;
class THostSystem;
class TSceneryFiles;
class TProfileStore;
class TRestorePoints;

// What the windows reach outside themselves: app/ gives the system's own, tests bring theirs. Each
// outlives the windows.
struct TWindowServices {
    // Reads and writes Scenery.cfg, its backup and the area sets.
    const TFileAccess& Files;
    const THostFolders& Folders;
    const THostLocator& Host;
    // Where the simulator's library really is, and whether the simulator runs.
    const THostSystem& System;
    TPrefs& Prefs;
    // The areas' scenery files, for the airport check.
    const TSceneryFiles& Scenery;
    // Where every save keeps what it replaced.
    const TRestorePoints& RestorePoints;
    // The saved sets of Active flags of each library.
    const TProfileStore& Profiles;
};
