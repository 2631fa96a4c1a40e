#pragma once

#include "model/library/HostSystem.h"

// The running system's answers: Windows' VirtualStore and process list; elsewhere no per-user copies
// and the processes under /proc.
class TSystemHostSystem : public THostSystem {
public:
    std::string PerUserFolder(const std::string& hostFolder) const override;
    bool SimulatorRunning() const override;
};
