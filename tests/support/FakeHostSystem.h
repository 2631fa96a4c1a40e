#pragma once

#include "model/library/HostSystem.h"

#include <string>

// A system whose per-user folder and running simulator the test decides.
class TFakeHostSystem : public THostSystem {
public:
    std::string PerUser;
    bool Running = false;
    std::string PerUserFolder(const std::string&) const override { return PerUser; }
    bool SimulatorRunning() const override { return Running; }
};
