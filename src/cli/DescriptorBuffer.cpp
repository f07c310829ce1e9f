#include "cli/DescriptorBuffer.h"

#include "cli/CommandLine.h"
#include "io/Descriptor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>

namespace regforge::cli {

DescriptorBuffer::DescriptorBuffer(int fd, std::size_t size)
    : fd_(fd), buffer_(std::make_unique_for_overwrite<char[]>(size)), size_(size) {
    setp(buffer_.get(), buffer_.get() + size_);
}

DescriptorBuffer::~DescriptorBuffer() {
    flushBuffer();
}

bool DescriptorBuffer::flushBuffer() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    if (error_ == 0 && size > 0 && !io::writeAll(fd_, pbase(), size))
        error_ = errno != 0 ? errno : EIO;
    setp(buffer_.get(), buffer_.get() + size_);
    return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (!flushBuffer())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorBuffer::sync() {
    return flushBuffer() ? 0 : -1;
}

void occupyClosedStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        // The lowest free descriptor is the closed one.
        const int taken = ::open("/dev/null", (fd == 0 ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
        if (taken >= 0 && taken != fd)
            ::close(taken);
    }
}

int finishStandardStreams(int code, std::ostream& out, const DescriptorBuffer& outBuffer, std::ostream& err,
                          const DescriptorBuffer& errBuffer) {
    out.flush();
    if (outBuffer.error() != 0) {
        err << "regforge-cli: error: cannot write to standard output: " << std::strerror(outBuffer.error())
            << '\n';
        code = kExitFailed;
    }
    err.flush();
    if (errBuffer.error() != 0 && code == kExitOk)
        code = kExitFailed;
    return code;
}

} // namespace regforge::cli
