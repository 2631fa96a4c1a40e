#pragma once

#include <cstdint>
#include <string>

// The ICAO ident of an airport record as the scenery compiler packs it into 32 bits: the value shifted
// right by five holds base-38 digits, the last character in the lowest digit; 0 is a blank, 2 to 11
// the digits 0 to 9, 12 to 37 the letters A to Z. Blanks around the ident are dropped; a digit no
// character has (1) reads as '?'.
std::string DecodeIcaoIdent(std::uint32_t value);
