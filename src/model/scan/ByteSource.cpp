#include "model/scan/ByteSource.h"

#include <cstring>

bool TMemoryBytes::Read(std::uint64_t offset, std::size_t count, unsigned char* into) {
    if (offset > FBytes.size() || count > FBytes.size() - offset)
        return false;
    if (count > 0)
        std::memcpy(into, FBytes.data() + offset, count);
    return true;
}
