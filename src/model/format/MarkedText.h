#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a file that starts with a byte order mark (UTF-8, UTF-16 little or big endian), without
// the mark, as UTF-16; no value for a file without one, whose bytes are the ANSI code page's. Decoded
// as the platform's own decoder does, so that what a file turns into never depends on which side reads
// it: each byte that starts no valid UTF-8 sequence becomes one U+FFFD, a sequence or an odd byte cut
// off by the end of the file is left out, and UTF-16 units are taken as they stand.
std::optional<std::u16string> DecodeMarkedText(std::string_view bytes);
