#include "model/format/ConfigurationFile.h"

#include "model/library/FileAccess.h"
#include "model/format/QuarrowTypes.h"

void WriteConfiguration(const TFileAccess& files, const std::string& path, const TGeneral* general,
                        std::span<const TArea* const> areas) {
    const std::unique_ptr<TCommittingOutput> output = files.CreateOutput(path);
    if (general)
        general->WriteTo(*output);
    for (const TArea* area : areas)
        area->WriteTo(*output);
    output->Commit();
}
