#include "model/ConfigurationFile.h"

#include "model/FileAccess.h"
#include "model/QuarrowTypes.h"

void WriteConfiguration(const TFileAccess& files, const std::string& path, const TGeneral* general,
                        std::span<const TArea* const> areas) {
    const std::unique_ptr<TCommittingOutput> output = files.CreateOutput(path);
    if (general)
        general->WriteTo(*output);
    for (const TArea* area : areas)
        area->WriteTo(*output);
    output->Commit();
}
