#pragma once

#include "model/document/SceneryDocument.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A document "World" of areas T0, T1, ... numbered 1, 2, ... and layered layerStep, 2 layerStep, ...;
// the listed rows required.
inline TSceneryDocument Doc(int count, const std::vector<int>& required = {}, int layerStep = 1) {
    TSceneryDocument document;
    document.General.Title = "World";
    for (int i = 0; i < count; ++i) {
        TArea area;
        area.Title = "T" + std::to_string(i);
        area.Number = i + 1;
        area.Layer = layerStep * (i + 1);
        area.Required = std::find(required.begin(), required.end(), i) != required.end();
        document.Areas.push_back(NewEntry(area));
    }
    return document;
}

// The document with one row's area changed as a step changes it: a new area in the same entry.
inline TSceneryDocument Changed(TSceneryDocument document, int row,
                                const std::function<void(TArea&)>& change) {
    TArea area = document.Area(row);
    change(area);
    document.Areas[static_cast<std::size_t>(row)].Area = std::make_shared<const TArea>(area);
    return document;
}
