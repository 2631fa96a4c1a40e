#pragma once

#include "model/document/DocumentCommands.h"

#include <string>
#include <vector>

// A folder the user chose to become an area.
struct TChosenFolder {
    // The folder's own name (ANSI code page): the new area's title.
    std::string Title;
    // The folder as the area keeps it: relative to the host folder when it lies below it.
    std::string Local;
    // Where the host finds it, as the folder check resolves it; what the duplicate test compares.
    std::string Resolved;
};

// The form of a resolved folder in which two folders the host takes for one are equal.
std::string HostFolderKey(std::string folder);

// Per folder, whether it is already among the listed ones (the areas' resolved Local Paths) or comes
// twice among the folders themselves.
std::vector<char> AlreadyListed(const std::vector<TChosenFolder>& folders,
                                const std::vector<std::string>& listed);

struct TFolderAdding {
    TDocumentStep Step;
    int Added = 0;
    int AlreadyListed = 0;
};

// One new area per folder not yet listed, active and not required, numbered and layered after the
// largest as Add does, in the order of their paths (letter case ignored). They go above the selected
// row when exactly one editable row is selected, else at the end, and they are selected.
TFolderAdding AddFolderAreas(const TSceneryDocument& document, const TSelection& selected,
                             const std::vector<TChosenFolder>& folders,
                             const std::vector<std::string>& listed);
