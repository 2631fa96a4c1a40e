#pragma once

#include <filesystem>
#include <vector>

// Add-on folders as the simulator's users unpack them: a folder holding a "scenery" subfolder (any
// letter case) with the .bgl files.

// The folders one and two levels below the given one that hold such a subfolder with at least one .bgl
// file (any letter case), in no particular order; a folder found is not searched inside. Every folder is
// listed at most once; one that cannot be read holds nothing.
std::vector<std::filesystem::path> FindSceneryFolders(const std::filesystem::path& folder);

// The folder holds a subfolder named "scenery" in any letter case.
bool HoldsSceneryFolder(const std::filesystem::path& folder);
