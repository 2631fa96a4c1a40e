// Feeds arbitrary bytes through the profile lookup, the [General] read and the area sweep, then
// writes what was read: none of it may crash, hang or run away with memory.

#include "model/format/IniProfile.h"
#include "model/format/QuarrowTypes.h"
#include "model/format/TextOutput.h"
#include "support/Latin1Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class TCountingOutput : public TTextOutput {
public:
    void WriteLine(std::string_view line) override {
        Bytes += line.size() + 2;
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            __builtin_trap(); // the writer must never break a line
    }
    std::size_t Bytes = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto profile = Latin1Profile(std::string(reinterpret_cast<const char*>(data), size));
    TCountingOutput output;
    TGeneral general;
    general.LoadFrom(*profile);
    general.WriteTo(output);
    SweepAreas(*profile, [&output](std::unique_ptr<TArea> area) { area->WriteTo(output); });
    return 0;
}
