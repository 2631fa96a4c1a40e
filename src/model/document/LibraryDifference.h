#pragma once

#include "model/document/SceneryDocument.h"

#include <string>
#include <vector>

// How one area differs between the list as it is now and another library (a restore point): what
// bringing that library back would do to it.
struct TAreaDifference {
    enum class TKind { Added, Removed, Kept };
    TKind Kind = TKind::Kept;
    // The area's title as the list shows it now; the other library's for an added one (ANSI).
    std::string Title;
    // Positions counted from 1: in the list now (0 when added) and in the other library (0 when removed).
    int Now = 0;
    int Other = 0;
    bool Moved = false;
    // The fields that differ, in the editor's order: "Title", "Local Path", ...; the two flags apart.
    std::vector<const char*> Changed;
    // What bringing the other library back makes of the flags that differ: "switched on" or "switched
    // off", then "now required" or "no longer required".
    std::vector<const char*> Flags;
};

struct TLibraryDifference {
    int Added = 0;
    int Removed = 0;
    int Moved = 0;
    int Changed = 0;
    // The fields of [General] that differ: "Title", "Description", "Clean on Exit".
    std::vector<const char*> GeneralChanged;
    // Only the areas that differ: the added ones, the removed ones, then the moved or changed ones, each
    // group in list order.
    std::vector<TAreaDifference> Areas;

    bool Same() const { return Areas.empty() && GeneralChanged.empty(); }
};

// One side of a comparison: the document and each area's folder as the folder check resolves it (empty
// for an area without a Local Path).
struct TComparedLibrary {
    const TSceneryDocument& Document;
    const std::vector<std::string>& Folders;
};

// Areas are the same area when their folders are the same host folder; those left are matched by equal
// titles, in list order. "Moved" counts the fewest areas that, taken out and put back, give the other
// library's order; "changed" any other field that differs, number and layer excepted.
TLibraryDifference CompareLibraries(const TComparedLibrary& now, const TComparedLibrary& other);
