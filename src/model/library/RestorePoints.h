#pragma once

#include "model/document/LibraryDifference.h"

#include <string>
#include <vector>

class TFileAccess;
class TFolderCheck;

// A library as a save found it just before replacing or removing it.
struct TRestorePoint {
    // The file that holds its bytes, in the local 8-bit encoding.
    std::string File;
    // The local date and time of that save: "2026-12-09 23:41:07".
    std::string Saved;
    // A pending NewScenery.cfg the save consumed, rather than the library file itself.
    bool Pending = false;
};

// Where the libraries that saves replaced are kept, apart for each library file (its full path, in the
// local 8-bit encoding), the newest ones only.
class TRestorePoints {
public:
    virtual ~TRestorePoints() = default;
    // Keeps the bytes as the library's newest point, letting the oldest go beyond the limit; says why
    // (UTF-8) when they could not be kept, else empty. The bytes are written whole or not at all.
    virtual std::string Keep(const std::string& library, const std::string& bytes, bool pending) const = 0;
    // The library's points, newest first.
    virtual std::vector<TRestorePoint> List(const std::string& library) const = 0;
};

// What the list of restore points shows of one.
struct TRestorePointReview {
    TRestorePoint Point;
    // Why its file could not be read (UTF-8); Areas and Difference then stay empty.
    std::string Failure;
    int Areas = 0;
    // What bringing it back would do to the list now.
    TLibraryDifference Difference;
};

// Reads each point and compares it with the list now. The points of one library share most Local Paths,
// so each text is resolved by the check only once.
std::vector<TRestorePointReview> ReviewRestorePoints(const std::vector<TRestorePoint>& points,
                                                     const TFileAccess& files, const TSceneryDocument& now,
                                                     TFolderCheck& check);
