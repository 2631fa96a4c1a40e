#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TProfileFile;
class TTextOutput;

// One scenery area: one [Area.NNN] section of Scenery.cfg or of an area set file. Strings are bytes
// in the ANSI code page, exactly as read.
class TArea {
public:
    std::int32_t Number = 0;
    std::int32_t TextureId = 0;
    std::string Title = "<Untitled>";
    std::string Local;
    std::string Remote;
    std::int32_t Layer = 0;
    bool Active = true;
    bool Required = false;
    std::string Exclude;
    std::vector<std::string> Flatten;

    // Copies every field of the source; this area keeps a list of its own.
    void Assign(const TArea& source);
    // Reads section Area.NNN; false (fields left as they were) when the section holds no area.
    bool LoadFrom(const TProfileFile& file, int n);
    void WriteTo(TTextOutput& output) const;
};

// The [General] section of Scenery.cfg.
class TGeneral {
public:
    std::string Title;
    std::string Description;
    bool CleanOnExit = false;

    void LoadFrom(const TProfileFile& file);
    void WriteTo(TTextOutput& output) const;
};

// Receives each area found by the sweep and takes ownership of it.
using TAreaVisitor = std::function<void(std::unique_ptr<TArea>)>;

// The host reads area sections 0 to this one; areas under higher numbers are never read back.
constexpr int LastAreaNumber = 1999;

// "Area." and the number with at least three digits: 7 gives Area.007, 1234 gives Area.1234.
std::string AreaSectionName(std::int32_t n);

// Reads the areas of sections 0 to 1999 in ascending section number and hands each one found over.
void SweepAreas(const TProfileFile& file, const TAreaVisitor& visitor);

// The program's preferences; stored by LoadPrefs/SavePrefs (Global).
class TPrefs {
public:
    std::string FSPath;
    bool Backup = true;
    std::string SetPath;
    // The installed areas the user declined to add (see DeclinedAreasValue).
    std::string DeclinedAreas;
    // Applying a profile switches off the areas it does not know.
    bool ProfileOffUnknown = false;
};
