#include "platform/SimulatorProcess.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
// The process list's declarations need the types of windows.h.
#include <tlhelp32.h>
#endif

using namespace Qt::Literals::StringLiterals;

bool IsSimulatorProgram(const QString& programPath) {
    const qsizetype slash = std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\'));
    return programPath.mid(slash + 1).compare(u"FS9.exe"_s, Qt::CaseInsensitive) == 0;
}

#ifdef Q_OS_WIN
bool SimulatorProcessRuns() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry))
        found = IsSimulatorProgram(QString::fromWCharArray(entry.szExeFile));
    CloseHandle(snapshot);
    return found;
}
#else
// Only the first argument is read: a process's command line ends at its first NUL there.
bool SimulatorProcessRuns(const QString& processFolder) {
    const QDir folder(processFolder);
    const QStringList processes = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        if (!process.front().isDigit())
            continue;
        QFile commandLine(folder.filePath(process + u"/cmdline"_s));
        if (!commandLine.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        const QByteArray start = commandLine.read(4096);
        if (IsSimulatorProgram(QString::fromLocal8Bit(start.left(start.indexOf('\0')))))
            return true;
    }
    return false;
}
#endif
