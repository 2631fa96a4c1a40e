#include "model/library/ConfigurationFile.h"

#include "model/format/QuarrowTypes.h"
#include "model/library/FileAccess.h"

void WriteConfiguration(const TFileAccess& files, const std::string& path, const TGeneral* general,
                        std::span<const TArea* const> areas) {
    WriteConfigurationTo(*files.CreateOutput(path), general, areas);
}

void WriteConfigurationTo(TCommittingOutput& output, const TGeneral* general,
                          std::span<const TArea* const> areas) {
    if (general)
        general->WriteTo(output);
    for (const TArea* area : areas)
        area->WriteTo(output);
    output.Commit();
}
