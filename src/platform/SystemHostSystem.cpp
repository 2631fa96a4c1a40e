#include "platform/SystemHostSystem.h"

#include "platform/SimulatorProcess.h"
#include "platform/VirtualStore.h"

std::string TSystemHostSystem::PerUserFolder(const std::string& hostFolder) const {
    return SystemVirtualStoreFolder(QString::fromLocal8Bit(hostFolder)).toLocal8Bit().toStdString();
}

bool TSystemHostSystem::SimulatorRunning() const {
    return SimulatorProcessRuns();
}
