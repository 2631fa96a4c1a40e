#pragma once

#include <string>

// Why the text cannot name a profile (UTF-8), else empty. A profile is a file: its name must be one
// that Windows can hold, wherever the program runs, so that profiles can be copied there. Local 8-bit
// encoding.
std::string ProfileNameError(const std::string& name);
