#pragma once

#include "model/document/SceneryDocument.h"

#include <string>

// quarrow-cfg airports: prints, one tab-separated line each, every airport defined by more than one
// file of the library's active add-on areas (the ICAO, then the section and title of each file's area,
// the one the simulator uses first), every folder two areas list ("twice", then both areas, the higher
// layer first), every file made for a later simulator ("later", its area and path) and every file that
// could not be read ("unreadable", its area, path and reason). The summary goes to the error output.
// The host folder is native, with its trailing separator. Returns the exit status: 0 nothing printed,
// 1 some.
int PrintAirportClashes(const TSceneryDocument& document, const std::string& hostFolder);
