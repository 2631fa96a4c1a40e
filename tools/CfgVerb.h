#pragma once

#include "model/document/SceneryDocument.h"
#include "model/format/QuarrowTypes.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// One verb of quarrow-cfg, a row of its verb table: the usage line and the help are assembled from the
// rows, so a new verb is one row and the function that runs it.
struct TCfgVerb {
    const char* Name;
    // The arguments after the verb, as the usage line shows them.
    const char* Arguments;
    // What the verb does and its exit statuses: lines that each start with two blanks and end in "\n".
    const char* Help;
    // Runs the verb on the arguments after it; the exit status, or UsageError when they do not fit.
    int (*Run)(const std::vector<std::string>& arguments);
};

constexpr int UsageError = -1;

// Says "quarrow-cfg: <message>" on standard error; the status 2 of a file that cannot be read.
int Fail(const std::string& message);

// The value of "--host FOLDER" after the verb's first arguments ("" when it is not given); no value
// for any other shape.
std::optional<std::string> HostOption(const std::vector<std::string>& arguments, std::size_t fixed);

// The library and its host folder, both there, for the verbs that look at the areas' folders.
struct TLibraryInFolder {
    TSceneryDocument Document;
    QString HostFolder;
};

// Runs a verb of the form "CFG [--host FOLDER]" on the library and its host folder (default: the one
// holding the library): status 2, after saying why, when either is missing or cannot be read;
// UsageError for other arguments.
int RunOnLibraryInFolder(const std::vector<std::string>& arguments, int (*run)(const TLibraryInFolder&));

// Quarrow's settings, the host folder found as the program finds it at its start.
TPrefs ConfiguredPrefs();
// The host folder they name.
std::string ConfiguredHostFolder();

extern const TCfgVerb RoundTripVerb;
extern const TCfgVerb CheckVerb;
extern const TCfgVerb WhereVerb;
extern const TCfgVerb AirportsVerb;
extern const TCfgVerb ProfileVerb;
