#pragma once
// An open file descriptor, closed when it goes.

#include <cerrno>
#include <unistd.h>

namespace jubilo::files {

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closing reports what a file system delays until then; the
    // descriptor is gone afterwards whatever it says. 0 or the error.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result < 0 && errno != EINTR ? errno : 0;
    }

private:
    int fd_;
};

}  // namespace jubilo::files
