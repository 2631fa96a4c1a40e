#include "model/document/LibraryDifference.h"

#include "model/document/FolderAreas.h"

#include <algorithm>
#include <unordered_map>

namespace {

// For each area of one side, the position of its match on the other, or -1.
struct TMatching {
    std::vector<int> NowToOther;
    std::vector<int> OtherToNow;
};

// Pairs the areas still unmatched whose keys are equal, each in list order; an empty key pairs none.
void MatchBy(const std::vector<std::string>& nowKeys, const std::vector<std::string>& otherKeys,
             TMatching& matching) {
    std::unordered_map<std::string, std::vector<int>> waiting;
    for (int o = static_cast<int>(otherKeys.size()) - 1; o >= 0; --o)
        if (matching.OtherToNow[static_cast<std::size_t>(o)] < 0 &&
            !otherKeys[static_cast<std::size_t>(o)].empty())
            waiting[otherKeys[static_cast<std::size_t>(o)]].push_back(o);
    for (std::size_t n = 0; n < nowKeys.size(); ++n) {
        if (matching.NowToOther[n] >= 0 || nowKeys[n].empty())
            continue;
        const auto found = waiting.find(nowKeys[n]);
        if (found == waiting.end() || found->second.empty())
            continue;
        matching.NowToOther[n] = found->second.back();
        matching.OtherToNow[static_cast<std::size_t>(found->second.back())] = static_cast<int>(n);
        found->second.pop_back();
    }
}

std::vector<std::string> FolderKeys(const TComparedLibrary& library) {
    std::vector<std::string> keys;
    keys.reserve(library.Folders.size());
    for (const std::string& folder : library.Folders)
        keys.push_back(HostFolderKey(folder));
    return keys;
}

// Never empty, so that untitled areas pair as well.
std::vector<std::string> TitleKeys(const TSceneryDocument& document) {
    std::vector<std::string> keys;
    keys.reserve(document.Areas.size());
    for (const TDocumentArea& entry : document.Areas)
        keys.push_back("t" + entry.Area->Title);
    return keys;
}

// Flags the members of one longest increasing subsequence: the areas that keep their order, while
// every other one has to be taken out and put back.
std::vector<char> InLongestIncreasing(const std::vector<int>& sequence) {
    std::vector<int> tails;
    std::vector<int> previous(sequence.size(), -1);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto at = std::lower_bound(
            tails.begin(), tails.end(), static_cast<int>(i), [&sequence](int tail, int index) {
                return sequence[static_cast<std::size_t>(tail)] < sequence[static_cast<std::size_t>(index)];
            });
        if (at != tails.begin())
            previous[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(static_cast<int>(i));
        else
            *at = static_cast<int>(i);
    }
    std::vector<char> kept(sequence.size(), 0);
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = previous[static_cast<std::size_t>(i)])
        kept[static_cast<std::size_t>(i)] = 1;
    return kept;
}

std::vector<const char*> ChangedFields(const TArea& now, const TArea& other) {
    std::vector<const char*> fields;
    const std::pair<bool, const char*> checks[] = {
        {now.Title != other.Title, "Title"},         {now.Local != other.Local, "Local Path"},
        {now.Remote != other.Remote, "Remote Path"}, {now.Exclude != other.Exclude, "Exclude"},
        {now.Flatten != other.Flatten, "Flatten"},   {now.TextureId != other.TextureId, "Texture ID"},
    };
    for (const auto& [differs, name] : checks)
        if (differs)
            fields.push_back(name);
    return fields;
}

// A flag says the state it goes to: "changed Active" would leave the reader to guess which.
std::vector<const char*> FlagChanges(const TArea& now, const TArea& other) {
    std::vector<const char*> flags;
    if (now.Active != other.Active)
        flags.push_back(other.Active ? "switched on" : "switched off");
    if (now.Required != other.Required)
        flags.push_back(other.Required ? "now required" : "no longer required");
    return flags;
}

std::vector<const char*> ChangedFields(const TGeneral& now, const TGeneral& other) {
    std::vector<const char*> fields;
    const std::pair<bool, const char*> checks[] = {{now.Title != other.Title, "Title"},
                                                   {now.Description != other.Description, "Description"},
                                                   {now.CleanOnExit != other.CleanOnExit, "Clean on Exit"}};
    for (const auto& [differs, name] : checks)
        if (differs)
            fields.push_back(name);
    return fields;
}

// The areas of one side that have no match on the other.
void AddUnmatched(const TSceneryDocument& document, const std::vector<int>& matches,
                  TAreaDifference::TKind kind, TLibraryDifference& difference) {
    for (int p = 0; p < document.Count(); ++p) {
        if (matches[static_cast<std::size_t>(p)] >= 0)
            continue;
        const bool added = kind == TAreaDifference::TKind::Added;
        difference.Areas.push_back(
            {kind, document.Area(p).Title, added ? 0 : p + 1, added ? p + 1 : 0, false, {}, {}});
        ++(added ? difference.Added : difference.Removed);
    }
}

// The matched areas that moved or changed, in the other library's order.
void AddKept(const TSceneryDocument& now, const TSceneryDocument& other, const std::vector<int>& nowToOther,
             TLibraryDifference& difference) {
    std::vector<int> nowOrder;
    std::vector<int> otherPlaces;
    for (int n = 0; n < now.Count(); ++n)
        if (const int o = nowToOther[static_cast<std::size_t>(n)]; o >= 0) {
            nowOrder.push_back(n);
            otherPlaces.push_back(o);
        }
    const std::vector<char> inOrder = InLongestIncreasing(otherPlaces);
    std::vector<TAreaDifference> kept;
    for (std::size_t i = 0; i < nowOrder.size(); ++i) {
        const int n = nowOrder[i];
        const int o = otherPlaces[i];
        TAreaDifference area{TAreaDifference::TKind::Kept,
                             now.Area(n).Title,
                             n + 1,
                             o + 1,
                             !inOrder[i],
                             ChangedFields(now.Area(n), other.Area(o)),
                             FlagChanges(now.Area(n), other.Area(o))};
        difference.Moved += area.Moved;
        difference.Changed += !area.Changed.empty() || !area.Flags.empty();
        if (area.Moved || !area.Changed.empty() || !area.Flags.empty())
            kept.push_back(std::move(area));
    }
    std::sort(kept.begin(), kept.end(),
              [](const TAreaDifference& one, const TAreaDifference& two) { return one.Other < two.Other; });
    difference.Areas.insert(difference.Areas.end(), std::make_move_iterator(kept.begin()),
                            std::make_move_iterator(kept.end()));
}

} // namespace

TLibraryDifference CompareLibraries(const TComparedLibrary& now, const TComparedLibrary& other) {
    TMatching matching{std::vector<int>(now.Document.Areas.size(), -1),
                       std::vector<int>(other.Document.Areas.size(), -1)};
    MatchBy(FolderKeys(now), FolderKeys(other), matching);
    MatchBy(TitleKeys(now.Document), TitleKeys(other.Document), matching);
    TLibraryDifference difference;
    difference.GeneralChanged = ChangedFields(now.Document.General, other.Document.General);
    AddUnmatched(other.Document, matching.OtherToNow, TAreaDifference::TKind::Added, difference);
    AddUnmatched(now.Document, matching.NowToOther, TAreaDifference::TKind::Removed, difference);
    AddKept(now.Document, other.Document, matching.NowToOther, difference);
    return difference;
}
