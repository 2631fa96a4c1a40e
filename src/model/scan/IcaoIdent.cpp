#include "model/scan/IcaoIdent.h"

#include <algorithm>

namespace {
char IdentCharacter(std::uint32_t digit) {
    if (digit == 0)
        return ' ';
    if (digit == 1)
        return '?';
    if (digit < 12)
        return static_cast<char>('0' + (digit - 2));
    return static_cast<char>('A' + (digit - 12));
}
} // namespace

std::string DecodeIcaoIdent(std::uint32_t value) {
    std::string ident;
    for (std::uint32_t rest = value >> 5; rest > 0; rest /= 38)
        ident += IdentCharacter(rest % 38);
    std::reverse(ident.begin(), ident.end());
    const std::size_t first = ident.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return ident.substr(first, ident.find_last_not_of(' ') - first + 1);
}
