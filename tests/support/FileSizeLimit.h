#pragma once

#include <csignal>
#include <sys/resource.h>

// Lowers the process's file-size limit for its lifetime, the way a full disk stops a write: the
// kernel refuses bytes past the limit with EFBIG (SIGXFSZ is ignored meanwhile, so nothing dies).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit lowered = FOld;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};
