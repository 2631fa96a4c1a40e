#pragma once

#include <string>
#include <string_view>

// Letter case in file names as Windows compares them: each UTF-16 unit is mapped through one
// upper-case table (Unicode's simple upper-case mappings of the Basic Multilingual Plane), with no
// locale and no folding that changes a name's length, so "ß" is not "SS" and Turkish "ı" is not "I".
// Windows' table leaves a few letters alone whose upper case lies in ASCII or in another alphabet
// (µ, ı, ſ); so does this one. Characters outside the Basic Multilingual Plane compare exactly.

// The unit as Windows' upper-case table maps it.
char16_t FileNameUpperCase(char16_t unit);

// The name with every letter mapped to its upper case, for comparing and as a key. Names are UTF-8;
// bytes that do not form UTF-8 (a name in an 8-bit code page) are kept as they are.
std::string FileNameKey(std::string_view name);

// Both names open the same file where the file system ignores letter case.
bool SameFileName(std::string_view one, std::string_view other);
