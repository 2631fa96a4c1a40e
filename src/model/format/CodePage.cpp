#include "model/format/CodePage.h"

std::string OnOneLine(std::string bytes) {
    for (char& c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return bytes;
}
