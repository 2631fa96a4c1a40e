#pragma once

#include <cstddef>
#include <string>

// "1 area", "2 areas": a count with its noun in the number the count asks for.
std::string Counted(std::size_t count, const std::string& one, const std::string& many);
