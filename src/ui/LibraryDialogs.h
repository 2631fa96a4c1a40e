#pragma once

#include <QObject>

struct TMainParts;
struct TRestorePoint;

// The main window's dialogs on the library as a whole: its restore points, its profiles, the airport
// check of its areas, the settings and the about box. What a dialog brings back is one step of the
// history, written only by the next save.
class TLibraryDialogs : public QObject {
    Q_OBJECT
public:
    explicit TLibraryDialogs(TMainParts& parts) : Parts(parts) {}

public slots:
    void cmFileRestorePointsClick();
    void cmFileProfilesClick();
    void cmAreaCheckAirportsClick();
    void cmFileSettingsClick();
    void cmHelpAboutClick();

private:
    // Brings the point's library into the list as one step; says why not when its file cannot be read.
    void RestorePoint(const TRestorePoint& point);

    TMainParts& Parts;
};
