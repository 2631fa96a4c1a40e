#pragma once

// Generated libraries of realistic make for the benchmarks: titles, folders below Addon Scenery, some
// inactive areas, an exclude entry and flatten commands on every tenth.
#include "model/format/QuarrowTypes.h"
#include "model/format/TextOutput.h"

#include <memory>
#include <string>
#include <vector>

inline std::vector<std::unique_ptr<TArea>> GeneratedAreas(int count) {
    std::vector<std::unique_ptr<TArea>> areas;
    for (int i = 1; i <= count; ++i) {
        auto area = std::make_unique<TArea>();
        area->Number = area->Layer = i;
        area->Title = "Addon Area " + std::to_string(i);
        area->Local = "Addon Scenery\\Area" + std::to_string(i);
        area->TextureId = i == 1 ? 1 : -9999;
        area->Active = i % 7 != 0;
        area->Required = i <= 2;
        if (i % 10 == 0) {
            area->Exclude = "Exclude\\x.bgl";
            area->Flatten = {"N47 W122 100", "N48 W121 120"};
        }
        areas.push_back(std::move(area));
    }
    return areas;
}

class TFileText : public TTextOutput {
public:
    void WriteLine(std::string_view line) override { Bytes.append(line).append("\r\n"); }
    std::string Bytes;
};

inline std::string GeneratedFile(int count) {
    TFileText text;
    TGeneral general;
    general.Title = "FS9 World Scenery";
    general.WriteTo(text);
    for (const auto& area : GeneratedAreas(count))
        area->WriteTo(text);
    return text.Bytes;
}
