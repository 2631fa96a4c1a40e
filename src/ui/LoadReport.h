#pragma once

struct TLibraryLoad;
struct TMainParts;

// Which file the list stands for and what its load found, said where the user looks: the status bar
// after a load, the Save button's hint, the boxes once the window shows, and the question about areas
// only the host folder's own file has.
class TLoadReport {
public:
    explicit TLoadReport(TMainParts& parts) : Parts(parts) {}
    void ShowLibraryPath();
    // Says, before the list's summary, what the list does not show and when the library is not the host
    // folder's own Scenery.cfg.
    void ShowNotice(const TLibraryLoad& load);
    // What the load could not show is said once per load, in a box as well as in the status bar: a save
    // would drop it.
    void Report(const TLibraryLoad& load);

private:
    // The question whether to add the areas installers wrote into the host folder's own file while the
    // simulator read its per-user copy.
    void OfferInstalledAreas(const TLibraryLoad& load);

    TMainParts& Parts;
};
