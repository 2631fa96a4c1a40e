#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Converts a profile value as the host converts integers: optional leading blanks, an optional sign,
// then decimal digits in the 32-bit range or a hexadecimal prefix ($, x, X, 0x, 0X) and at most eight
// significant hexadecimal digits taken as a 32-bit pattern. Anything else gives no value.
std::optional<std::int32_t> ParseInteger(std::string_view text);
