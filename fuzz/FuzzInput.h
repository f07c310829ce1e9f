#pragma once

#include "io/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The entry point every fuzz target defines; libFuzzer or the replay main calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace regforge::fuzz {

inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}

// The input as the lines of a text file, split the way the program reads its files.
inline std::vector<std::string> linesOf(const std::uint8_t* data, std::size_t size) {
    return io::splitLines(bytesOf(data, size)).lines;
}

// Reads an input as a sequence of small numbers; past the end every read gives 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_; }
    std::uint8_t byte() { return done() ? 0 : data_[pos_++]; }
    // Up to `maxLength` bytes, the count given by the next byte.
    std::string text(std::size_t maxLength) {
        std::string out;
        const std::size_t length = byte() % (maxLength + 1);
        while (out.size() < length && !done())
            out.push_back(static_cast<char>(byte()));
        return out;
    }
    std::int64_t int64() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value = (value << 8) | byte();
        return static_cast<std::int64_t>(value);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace regforge::fuzz
