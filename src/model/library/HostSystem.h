#pragma once

#include <string>

// What the operating system decides about the simulator's library beyond its files.
class THostSystem {
public:
    virtual ~THostSystem() = default;
    // The folder that holds the per-user copies of the host folder's files (Windows' VirtualStore, for
    // a host folder inside a protected folder), with its trailing separator; empty where the system
    // keeps none.
    virtual std::string PerUserFolder(const std::string& hostFolder) const = 0;
    // A process of the simulator runs now (under Wine too).
    virtual bool SimulatorRunning() const = 0;
};
