#pragma once

#include <cstdio>
#include <string>

// Library text in the writer's form, for the files tests lay out and the bytes they expect.

// One area section: the key lines in the writer's order, Extra (lines ending in CR LF) before Active.
struct TCfgArea {
    int Number;
    std::string Title;
    int Layer;
    bool Active = true;
    bool Required = false;
    std::string Extra = {};
};

inline std::string GeneralText(const std::string& title = "Test World",
                               const std::string& description = "Test Data", bool cleanOnExit = true) {
    return "[General]\r\nTitle=" + title + "\r\nDescription=" + description +
           "\r\nClean_on_Exit=" + (cleanOnExit ? "TRUE" : "FALSE") + "\r\n\r\n";
}

inline std::string AreaText(const TCfgArea& area, const std::string& local) {
    char section[32];
    std::snprintf(section, sizeof section, "[Area.%03d]\r\n", area.Number);
    return section + ("Title=" + area.Title) + "\r\nLayer=" + std::to_string(area.Layer) + "\r\n" +
           area.Extra + "Active=" + (area.Active ? "TRUE" : "FALSE") +
           "\r\nRequired=" + (area.Required ? "TRUE" : "FALSE") + "\r\nLocal=" + local +
           "\r\nRemote=\r\n\r\n";
}

// An active, not required area as a save writes it; layered as numbered unless told.
inline std::string SavedArea(int number, const std::string& title, const std::string& local, int layer = -1) {
    return AreaText({number, title, layer < 0 ? number : layer}, local);
}
