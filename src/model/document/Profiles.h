#pragma once

#include "model/document/DocumentCommands.h"

#include <string>
#include <vector>

// A profile: the Active flag of each area of one library, saved under a name and applied later in one
// step. Areas are matched by their folder as the folder check resolves their Local Path, so a profile
// survives moves, renumbering and another spelling of the same folder; an area without a Local Path is
// matched by its title.

// What a profile records of one area.
struct TProfileArea {
    // See ProfileKey.
    std::string Key;
    // ANSI code page, for the texts.
    std::string Title;
    bool Active = true;
};

struct TProfile {
    // As the profile's file is named: local 8-bit encoding.
    std::string Name;
    std::vector<TProfileArea> Areas;

    int ActiveCount() const;
};

// The one key by which a profile knows an area: its folder in the form in which two folders the host
// takes for one are equal, or its title when it has no Local Path. The folder is the area's Local Path
// as the folder check resolves it (empty for an empty Local Path).
std::string ProfileKey(const TArea& area, const std::string& folder);

// Each area's key, in list order; folders as for ProfileKey, one per area.
std::vector<std::string> ProfileKeys(const TSceneryDocument& document,
                                     const std::vector<std::string>& folders);

// What applying a profile does to the list.
struct TProfileApplication {
    // "Apply profile <name>": every changed area in its place, the selection kept; the touched rows are
    // the changed ones.
    TDocumentStep Step;
    int SwitchedOn = 0;
    int SwitchedOff = 0;
    // Editable areas the profile does not know: left as they are, or switched off when asked.
    int Unknown = 0;
    // The rows that change, top down.
    std::vector<int> Changed;
};

// Each editable area the profile knows gets the profile's flag (the first record of its key wins); an
// area the profile does not know stays as it is, or goes off with offUnknown. A required area stays
// active, the protected rows stay untouched, and order, titles and folders never change. The keys are
// the document's own, one per area (see ProfileKey).
TProfileApplication ApplyProfile(const TSceneryDocument& document, const std::vector<std::string>& keys,
                                 const TSelection& selected, const TProfile& profile, bool offUnknown);
