#include "io/TextFile.h"

#include "io/AsciiCase.h"
#include "io/Descriptor.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace regforge::io {

TextLines splitLines(const std::string& bytes) {
    TextLines out;
    bool sawLf = false;
    bool sawCrLf = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            out.lines.emplace_back(bytes, start);
            break;
        }
        const bool crLf = lf > start && bytes[lf - 1] == '\r';
        (crLf ? sawCrLf : sawLf) = true;
        out.lines.emplace_back(bytes, start, lf - start - (crLf ? 1 : 0));
        start = lf + 1;
    }
    out.ending = (sawLf && !sawCrLf) ? LineEnding::Lf : LineEnding::CrLf;
    return out;
}

std::string joinLines(const std::vector<std::string>& lines, LineEnding ending) {
    const char* br = ending == LineEnding::CrLf ? "\r\n" : "\n";
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += br;
    }
    return out;
}

namespace {

std::string describe(const char* what, const std::filesystem::path& path, int error) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

} // namespace

std::string readBytes(const std::filesystem::path& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        throw FileError(describe("cannot open", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw FileError(describe("cannot read", path, errno));
    if (S_ISDIR(st.st_mode))
        throw FileError("is a folder: " + path.string());
    if (!S_ISREG(st.st_mode))
        throw FileError("is not a regular file: " + path.string());
    const auto tooLarge = [&path] {
        return FileError("is larger than " + std::to_string(kMaxReadBytes / (1024 * 1024)) +
                         " MB: " + path.string());
    };
    if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes)
        throw tooLarge();
    // The size may change while reading; the limit holds for what is actually read.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    // Not cleared first: only what read() put into it is used.
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(describe("cannot read", path, errno));
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxReadBytes)
            throw tooLarge();
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return bytes;
}

TextLines readLines(const std::filesystem::path& path) {
    return splitLines(readBytes(path));
}

std::vector<std::string> listBaseNames(const std::filesystem::path& folder, const std::string& extension,
                                       bool recurse) {
    std::vector<std::string> names;
    // Read with the system's own calls, in the order it lists the entries: every start and every
    // load lists the profile folders, and no path needs building for a plain file.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view file = entry->d_name;
        if (file == "." || file == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        // A link counts as what it points to; a broken one, like any entry whose type cannot be
        // read, as a file.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            isFolder = ::stat((folder / std::string(file)).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        if (isFolder) {
            if (recurse) {
                auto sub = listBaseNames(folder / std::string(file), extension, true);
                names.insert(names.end(), sub.begin(), sub.end());
            }
            continue;
        }
        if (file.size() > extension.size() &&
            equalIgnoringCase(file.substr(file.size() - extension.size()), extension))
            names.emplace_back(file.substr(0, file.size() - extension.size()));
    }
    return names;
}

} // namespace regforge::io
