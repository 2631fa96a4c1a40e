#pragma once

#include "model/document/SceneryDocument.h"

#include <string>

// quarrow-cfg airports: prints each airport that more than one active add-on area of the library
// defines, one line each: the ICAO, then the section and title of the area the simulator uses, then
// those of the others by falling layer, separated by tabs. How many airports and files were checked
// goes to the error output. The host folder is native, with its trailing separator. Returns the exit
// status: 0 none found, 1 some.
int PrintAirportClashes(const TSceneryDocument& document, const std::string& hostFolder);
