#include "model/library/LibraryProfiles.h"

#include "model/format/CountText.h"
#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/library/FolderMemo.h"
#include "model/library/ProfileName.h"

TProfileReview ReadStoredProfile(const TStoredProfile& stored, const TFileAccess& files, TFolderMemo& memo) {
    TProfileReview review{stored, {}, {stored.Name, {}}};
    const TProfileRead read = files.ReadProfile(stored.File);
    if (!read.Failure.empty()) {
        review.Failure = read.Failure;
        return review;
    }
    const TSceneryDocument document = ReadDocument(*read.Profile);
    // An empty profile would switch nothing on and, with the unknown areas switched off, every area off.
    if (document.Areas.empty()) {
        review.Failure =
            read.Stamp.State == TFileStamp::TState::Missing ? "it no longer exists" : "it holds no area";
        return review;
    }
    const std::vector<std::string> keys = ProfileKeys(document, memo.Folders(document));
    review.Profile.Areas.reserve(keys.size());
    for (int p = 0; p < document.Count(); ++p)
        review.Profile.Areas.push_back(
            {keys[static_cast<std::size_t>(p)], document.Area(p).Title, document.Area(p).Active});
    return review;
}

std::vector<TProfileReview> ReviewProfiles(const std::vector<TStoredProfile>& stored,
                                           const TFileAccess& files, TFolderMemo& memo) {
    std::vector<TProfileReview> reviews;
    reviews.reserve(stored.size());
    for (const TStoredProfile& profile : stored)
        reviews.push_back(ReadStoredProfile(profile, files, memo));
    return reviews;
}

std::string SaveProfile(const TProfileStore& store, const std::string& library, const std::string& name,
                        const TSceneryDocument& document) {
    if (std::string error = ProfileNameError(name); !error.empty())
        return error;
    // Sections past the last number are never read back.
    if (document.Count() > LastAreaNumber)
        return "A profile holds at most " + Counted(LastAreaNumber, "area", "areas") + "; the list holds " +
               std::to_string(document.Count()) + ".";
    std::vector<TArea> areas;
    areas.reserve(document.Areas.size());
    for (int p = 0; p < document.Count(); ++p) {
        areas.push_back(document.Area(p));
        areas.back().Number = p + 1;
    }
    std::vector<const TArea*> pointers;
    pointers.reserve(areas.size());
    for (const TArea& area : areas)
        pointers.push_back(&area);
    store.Save(library, name, pointers);
    return {};
}

std::string ActiveSummary(const TProfile& profile) {
    return std::to_string(profile.ActiveCount()) + " of " + Counted(profile.Areas.size(), "area", "areas") +
           " active";
}

std::string SwitchedSummary(const TProfileApplication& application) {
    return Counted(static_cast<std::size_t>(application.SwitchedOn), "area", "areas") + " switched on, " +
           std::to_string(application.SwitchedOff) + " off";
}

std::string ApplicationSummary(const TProfileApplication& application, bool offUnknown) {
    if (application.Changed.empty() && application.Unknown == 0)
        return "Changes nothing: the list already has the flags of this profile.";
    std::string text = "Switches on " +
                       Counted(static_cast<std::size_t>(application.SwitchedOn), "area", "areas") + ", off " +
                       std::to_string(application.SwitchedOff);
    const bool one = application.Unknown == 1;
    const char* fate = offUnknown ? (one ? "is switched off" : "are switched off")
                                  : (one ? "stays as it is" : "stay as they are");
    if (application.Unknown > 0)
        text += "; " + Counted(static_cast<std::size_t>(application.Unknown), "area", "areas") +
                " the profile does not know " + fate;
    return text + ".";
}
