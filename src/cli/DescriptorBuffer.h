#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <streambuf>

namespace regforge::cli {

// An output stream buffer over a file descriptor (standard output or error). Text is collected
// and written in blocks, so a message reaches the terminal in one system call when its writer
// flushes it. The first failed write (a full disk, a closed descriptor) is kept, and everything
// after it is refused, so a stream over this buffer goes bad and stays bad.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd, std::size_t size = 64 * 1024);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // The errno of the first failed write; 0 while every write succeeded.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool flushBuffer();

    int fd_;
    // Left unfilled: only what was written into it is ever read.
    std::unique_ptr<char[]> buffer_;
    std::size_t size_;
    int error_ = 0;
};

// Makes sure descriptors 0, 1 and 2 are taken before the program opens any file: one the caller
// left closed gets /dev/null opened the wrong way round, so writes to a closed standard output
// fail as they would have, instead of landing in the first file the program opens.
void occupyClosedStandardDescriptors();

// The exit code once standard output and error are flushed: a write to standard output that
// failed (a full disk, a closed descriptor) fails the run with a message on standard error, and
// a failed standard error fails it too (the message may have been lost with it).
int finishStandardStreams(int code, std::ostream& out, const DescriptorBuffer& outBuffer, std::ostream& err,
                          const DescriptorBuffer& errBuffer);

} // namespace regforge::cli
