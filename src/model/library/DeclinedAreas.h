#pragma once

#include "model/format/QuarrowTypes.h"

#include <string>
#include <vector>

// The installed areas the user declined to add, kept with the settings as "<digest of the host
// folder's file>|<Local Path>|<Local Path>...": the question comes once, and again only when an
// installer has changed that file since.
std::string DeclinedAreasValue(const std::string& hostFileHash, const std::vector<TArea>& declined);

// The areas of the host folder's own file still to offer: all of them once that file has changed,
// else those not declined.
std::vector<TArea> AreasToOffer(const std::vector<TArea>& hostOnly, const std::string& hostFileHash,
                                const std::string& declinedValue);
