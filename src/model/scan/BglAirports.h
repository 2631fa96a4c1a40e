#pragma once

#include "model/scan/ByteSource.h"

#include <string>
#include <vector>

// What a .bgl file says about airports.
struct TBglAirports {
    enum class TState {
        // The file is of the simulator's generation; Idents holds its airports (maybe none).
        Read,
        // An older scenery file without that header: it defines no airport record we read.
        OtherFormat,
        // Cut short, pointing outside itself, overlapping or with absurd counts: skipped whole.
        Unreadable
    };
    TState State = TState::Unreadable;
    // The ident of each FS2004 airport record in file order; a file may define one airport twice.
    std::vector<std::string> Idents;
    // Airport records in the form of a later simulator, which FS2004 does not use.
    int LaterAirports = 0;
    // Why an unreadable file was skipped: "cut short or pointing outside itself".
    std::string Reason;

    // Only records of later simulators stand in its airport sections.
    bool MadeForLater() const { return State == TState::Read && Idents.empty() && LaterAirports > 0; }
};

// Reads the airport records of a .bgl file: the header, the section table, and the subsections of the
// airport sections, nothing else. Every offset and count is checked against the file's size, and the
// airport data read in all never exceeds the file's size, so a file that points into itself again and
// again ends as Unreadable instead of being read without end. Each FS2004 airport record's children are
// walked by their sizes inside the record.
TBglAirports ReadBglAirports(TByteSource& source);
