#pragma once

#include "model/document/Profiles.h"
#include "model/library/ProfileStore.h"

#include <string>
#include <vector>

class TFileAccess;
class TFolderMemo;

// One stored profile as it was read.
struct TProfileReview {
    TStoredProfile Stored;
    // Why it can never be applied (UTF-8): its file cannot be read or holds no area; empty when read.
    std::string Failure;
    TProfile Profile;
};

// Reads the profile's file; its areas are keyed by the folders the memo resolves.
TProfileReview ReadStoredProfile(const TStoredProfile& stored, const TFileAccess& files, TFolderMemo& memo);
std::vector<TProfileReview> ReviewProfiles(const std::vector<TStoredProfile>& stored,
                                           const TFileAccess& files, TFolderMemo& memo);

// Saves the document's areas, in full and numbered from 1 in list order, as the named profile of the
// library, so that the file is an area set like any other; why not (UTF-8), else empty. Throws
// EInOutError when the file cannot be written.
std::string SaveProfile(const TProfileStore& store, const std::string& library, const std::string& name,
                        const TSceneryDocument& document);

// "3 of 5 areas active": the profile's row in the list.
std::string ActiveSummary(const TProfile& profile);

// "120 areas switched on, 340 off": what applying it did.
std::string SwitchedSummary(const TProfileApplication& application);

// "Switches on 120 areas, off 340; 12 areas the profile does not know stay as they are.": what applying
// it would do, in a sentence; the unknown areas only when there are any, and a sentence of its own when
// it would change nothing.
std::string ApplicationSummary(const TProfileApplication& application, bool offUnknown);
