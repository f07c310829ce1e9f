#pragma once

#include <cstddef>
#include <unistd.h>

namespace regforge::io {

// Closes a file descriptor on every path out of a scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Takes `fd` in place of the one held, which is closed.
    void reset(int fd) {
        close();
        fd_ = fd;
    }
    // Closes now; the close's own result counts (a full disk may show only here). Closing a
    // closed descriptor succeeds.
    int close() {
        if (fd_ < 0)
            return 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// Writes every byte, going on after interruptions; false with errno set on failure.
bool writeAll(int fd, const char* data, std::size_t size);

} // namespace regforge::io
