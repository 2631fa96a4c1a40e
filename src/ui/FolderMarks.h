#pragma once

#include <QList>
#include <optional>
#include <string>

class TAreaRow;
struct TMainParts;

// The areas' folders as the host finds them: rows whose folder the host would not find show their name
// in red, the status bar names the current one's folder, the list's summary counts them, and a folder
// the user picks gets the text the host reaches it by.
class TFolderMarks {
public:
    explicit TFolderMarks(TMainParts& parts) : Parts(parts) {}
    // Marks each row whose folder the host would not find; one check for all the rows, so each folder's
    // listing is read once.
    void Check(const QList<TAreaRow*>& rows);
    // After the list changed: counts the rows whose folder the host would not find.
    void Count();
    int Missing() const { return FMissing; }
    // The current row's missing folder, or nothing once the current row has its folder.
    void ShowCurrent();
    void ShowSummary();
    // The text an area keeps for the chosen folder; none, after saying so, when the simulator cannot
    // reach it.
    std::optional<std::string> ReachableText(const QString& folder) const;

private:
    TMainParts& Parts;
    int FMissing = 0;
};
