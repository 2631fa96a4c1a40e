#pragma once

#include <cstdint>
#include <string>

class TProfileFile;

// What the area sweep leaves out of a library file, so that a save does not drop it unasked: the area
// sections it never shows, and whether the file holds any section of a library at all.
struct TUnreadSections {
    // Sections numbered past the last one the host reads.
    int AboveLimit = 0;
    int WithoutLocalPath = 0;
    // A second section of one name (the first wins) or a name the sweep never asks for ("Area.0005").
    int OtherName = 0;
    // Neither [General] nor any area section: random bytes or another program's file.
    bool NoLibrarySection = true;

    int Areas() const { return AboveLimit + WithoutLocalPath + OtherName; }
};

TUnreadSections FindUnreadSections(const TProfileFile& file);

// "3001 areas of Scenery.cfg are not shown (numbered 2000 or above): a save removes them." Empty when
// every area section is shown.
std::string UnshownAreasNotice(const TUnreadSections& sections, const std::string& fileName);
// The question before a save that would drop them.
std::string UnshownAreasQuestion(const TUnreadSections& sections, const std::string& fileName);
// "Scenery.cfg is not a scenery library: 12 bytes without a [General] section or an area."
std::string NotALibraryNotice(const std::string& fileName, std::uint64_t size);
// Whichever of the two applies to a file of this size; empty when the list shows all of it. An empty
// file is a fresh library.
std::string UnreadNotice(const TUnreadSections& sections, const std::string& fileName, std::uint64_t size);
