#include "model/document/Profiles.h"

#include "model/document/FolderAreas.h"

#include <unordered_map>

int TProfile::ActiveCount() const {
    int active = 0;
    for (const TProfileArea& area : Areas)
        active += area.Active;
    return active;
}

// The two kinds of key never meet: a folder key starts with "f", a title key with "t".
std::string ProfileKey(const TArea& area, const std::string& folder) {
    return area.Local.empty() ? "t" + area.Title : "f" + HostFolderKey(folder);
}

std::vector<std::string> ProfileKeys(const TSceneryDocument& document,
                                     const std::vector<std::string>& folders) {
    std::vector<std::string> keys;
    keys.reserve(document.Areas.size());
    for (int p = 0; p < document.Count(); ++p)
        keys.push_back(ProfileKey(document.Area(p), folders[static_cast<std::size_t>(p)]));
    return keys;
}

TProfileApplication ApplyProfile(const TSceneryDocument& document, const std::vector<std::string>& keys,
                                 const TSelection& selected, const TProfile& profile, bool offUnknown) {
    std::unordered_map<std::string, bool> flags;
    flags.reserve(profile.Areas.size());
    for (const TProfileArea& area : profile.Areas)
        flags.try_emplace(area.Key, area.Active);
    const TSelection none(document.Areas.size(), 0);
    TProfileApplication application{
        {"Apply profile " + profile.Name, document, selected, none, none}, 0, 0, 0, {}};
    TDocumentStep& step = application.Step;
    for (std::size_t p = ProtectedRows; p < document.Areas.size(); ++p) {
        const TAreaRef& area = document.Areas[p].Area;
        const auto known = flags.find(keys[p]);
        application.Unknown += known == flags.end();
        const bool active = known != flags.end() ? known->second : area->Active && !offUnknown;
        if (area->Active == active || (!active && MustBeActive(*area)))
            continue;
        auto changed = std::make_shared<TArea>(*area);
        changed->Active = active;
        step.Document.Areas[p].Area = std::move(changed);
        step.TouchedBefore[p] = step.TouchedAfter[p] = 1;
        ++(active ? application.SwitchedOn : application.SwitchedOff);
        application.Changed.push_back(static_cast<int>(p));
    }
    return application;
}
