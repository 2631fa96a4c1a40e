#pragma once

#include <QString>

// The program file names the simulator: FS9.exe in any letter case, after a Windows or a Unix folder.
bool IsSimulatorProgram(const QString& programPath);

#ifdef Q_OS_WIN
// A process of the simulator runs now, from the system's process list.
bool SimulatorProcessRuns();
#else
// A process of the simulator runs now, from the process folder laid out as /proc is, where a program run
// by Wine shows its Windows path as its first argument.
bool SimulatorProcessRuns(const QString& processFolder = QStringLiteral("/proc"));
#endif
