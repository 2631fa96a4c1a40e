// Feeds arbitrary bytes to the .bgl airport reader: it must never crash, read outside the bytes, hang
// or run away with memory, whatever the offsets and counts say.

#include "model/scan/BglAirports.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryBytes bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const TBglAirports read = ReadBglAirports(bytes);
    // Each ident takes at least the fixed part of an FS2004 airport record, and each later airport at
    // least the bytes up to its ident.
    if (read.Idents.size() > size / 0x34 || static_cast<std::size_t>(read.LaterAirports) > size / 0x2C)
        __builtin_trap();
    return 0;
}
