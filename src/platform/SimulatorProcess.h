#pragma once

#include <QString>

// The program file names the simulator: FS9.exe in any letter case, after a Windows or a Unix folder.
bool IsSimulatorProgram(const QString& programPath);

// A process of the simulator runs now: on Windows from the process list; elsewhere from /proc, where a
// program run by Wine shows its Windows path as its first argument.
bool SimulatorProcessRuns();
