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
};

struct TClashFile {
    std::string Path;
    int Position = 0;
};

// An airport that several areas define.
struct TAirportClash {
    std::string Icao;
    // The positions of the areas that define it: the one the simulator uses first, then the others
    // by falling layer.
    std::vector<int> Positions;
    // Each file that defines it, in the order of Positions and within an area as it was listed.
    std::vector<TClashFile> Files;
};

struct TAirportGrouping {
    std::vector<TAirportClash> Clashes;
    // The number of different airports the areas define.
    int Airports = 0;
};

// The airports that more than one of the areas define, in ICAO order. The simulator uses the
// definition in the highest layer; of two areas in one layer, the one lower in the list.
TAirportGrouping FindAirportClashes(const std::vector<TScannedArea>& areas);
