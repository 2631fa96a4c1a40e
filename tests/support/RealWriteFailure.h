#pragma once

#include <QString>
#include <initializer_list>

#ifdef Q_OS_WIN
#include <vector>
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

// A failure the system really makes, for the object's lifetime, that stops the targets from being
// written or replaced whole. On Linux the process's file-size limit, the way a full disk stops a
// write: the kernel refuses bytes past 2000 with EFBIG (SIGXFSZ is ignored meanwhile, so nothing
// dies). Windows has no such limit: there each target is held open, as another program holding it
// would, sharing reading only, so it can still be read but not replaced.
class TRealWriteFailure {
public:
#ifdef Q_OS_WIN
    explicit TRealWriteFailure(std::initializer_list<QString> targets) {
        for (const QString& target : targets)
            FHandles.push_back(CreateFileW(reinterpret_cast<const wchar_t*>(target.utf16()), GENERIC_READ,
                                           FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                           nullptr));
    }
    ~TRealWriteFailure() {
        for (HANDLE handle : FHandles)
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
    }
    // The code and text of the error report: Windows refuses to replace a file held open.
    static int Code() {
        return ERROR_ACCESS_DENIED;
    }
    static QString ReportText() {
        return QStringLiteral("Dateizugriff verweigert.");
    }
#else
    explicit TRealWriteFailure(std::initializer_list<QString>) {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit lowered = FOld;
        lowered.rlim_cur = 2000;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~TRealWriteFailure() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    static int Code() {
        return 101;
    }
    static QString ReportText() {
        return QStringLiteral("Zu wenig Speicherplatz.");
    }
#endif
    TRealWriteFailure(const TRealWriteFailure&) = delete;
    TRealWriteFailure& operator=(const TRealWriteFailure&) = delete;

private:
#ifdef Q_OS_WIN
    std::vector<HANDLE> FHandles;
#else
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
#endif
};
