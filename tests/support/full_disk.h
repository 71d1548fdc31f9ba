#pragma once
// A disk that fills up: while a FullDisk lives, writing a file past the
// given size fails (EFBIG) the way a full disk fails a write. It binds root
// too, where taking away permissions would not.

#include <sys/resource.h>

#include <csignal>

namespace jubilo::testing {

class FullDisk {
public:
    explicit FullDisk(rlim_t bytesLeft)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        // The failing write reports an error instead of ending the process.
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytesLeft;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

}  // namespace jubilo::testing
