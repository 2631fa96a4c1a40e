#pragma once

#include <span>
#include <string>

class TArea;
class TCommittingOutput;
class TFileAccess;
class TGeneral;

// Writes a whole file in the host's profile format: the [General] section when one is given (a
// Scenery.cfg; an area set has none), then each area in the order given. The file replaces the old
// one only when all of it was written; any failure throws EInOutError and leaves the old file whole.
void WriteConfiguration(const TFileAccess& files, const std::string& path, const TGeneral* general,
                        std::span<const TArea* const> areas);

// The same into an output already opened: the caller chose where the file goes.
void WriteConfigurationTo(TCommittingOutput& output, const TGeneral* general,
                          std::span<const TArea* const> areas);
