#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A .bgl file of an area and the idents of the airports it defines.
struct TAirportFile {
    std::string Path;
    std::vector<std::string> Idents;
};

// An active add-on area as the airport check read it.
struct TScannedArea {
    // The area's place in the list.
    int Position = 0;
    std::int32_t Layer = 0;
    std::vector<TAirportFile> Files;
    // The folder as the host finds it, spelt alike for every way of writing it; areas with the same
    // folder list one set of files twice.
    std::string Folder;
};

struct TClashFile {
    std::string Path;
    int Position = 0;
};

// An airport defined by several files: of several areas, or of one.
struct TAirportClash {
    std::string Icao;
    // The positions of the areas that define it: the one the simulator uses first, then the others
    // by falling layer.
    std::vector<int> Positions;
    // Each file that defines it, in the order of Positions and within an area as it was listed.
    std::vector<TClashFile> Files;
};

// Two active areas that lead to one folder: the simulator loads its files twice, and only the
// higher one counts.
struct TListedTwice {
    int Higher = 0;
    int Lower = 0;
};

struct TAirportGrouping {
    std::vector<TAirportClash> Clashes;
    // By the higher area's place in the list.
    std::vector<TListedTwice> Twice;
    // The number of different airports the areas define.
    int Airports = 0;
};

// The airports that more than one file of the areas defines, in ICAO order. The simulator uses the
// definition in the highest layer; of two areas in one layer, the one lower in the list. Of the areas
// that list one folder, only the one loaded last is read.
TAirportGrouping FindAirportClashes(const std::vector<TScannedArea>& areas);
