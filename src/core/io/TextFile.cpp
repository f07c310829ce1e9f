#include "io/TextFile.h"

#include "io/AsciiCase.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regforge::io {

TextLines splitLines(const std::string& bytes) {
    TextLines out;
    bool sawLf = false;
    bool sawCrLf = false;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
                sawCrLf = true;
            } else {
                sawLf = true;
            }
            out.lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        out.lines.push_back(std::move(line));
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

// Closes a descriptor on every path out of a scope.
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
    // Closes now; the close's own result counts (a full disk may show only here).
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a write replaces: a symbolic link's final target (the link itself stays).
std::filesystem::path followLinks(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec))
            return path;
        const auto target = std::filesystem::read_symlink(path, ec);
        if (ec)
            throw FileError(describe("cannot follow", path, ec.value()));
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw FileError(describe("cannot follow", path, ELOOP));
}

void writeDirectly(const std::filesystem::path& path, const std::string& bytes) {
    // Opened without waiting: a FIFO nobody reads fails at once instead of hanging the program;
    // the writes then wait as usual.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        throw FileError(describe("cannot write", path, errno));
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw FileError(describe("cannot write", path, errno));
    if (!writeAll(fd.get(), bytes))
        throw FileError(describe("cannot write", path, errno));
    if (fd.close() != 0)
        throw FileError(describe("cannot write", path, errno));
}

void syncFolder(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get()); // the file is in place; a folder that cannot be flushed changes nothing
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
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
    const std::string tooLarge =
        "is larger than " + std::to_string(kMaxReadBytes / (1024 * 1024)) + " MB: " + path.string();
    if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes)
        throw FileError(tooLarge);
    // The size may change while reading; the limit holds for what is actually read.
    std::string bytes;
    std::array<char, 65536> buffer{};
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
            throw FileError(tooLarge);
        bytes.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return bytes;
}

TextLines readLines(const std::filesystem::path& path) {
    return splitLines(readBytes(path));
}

// Errors name the target, the file the user asked for, never the temporary one.
void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    // A folder is left to the rename, which refuses to replace it.
    if (exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        writeDirectly(path, bytes);
        return;
    }
    const auto target = followLinks(path);
    const auto folder = target.parent_path();
    std::string name = (folder.empty() ? std::filesystem::path(".") : folder) /
                       ("." + target.filename().string() + ".XXXXXX");
    std::vector<char> temp(name.begin(), name.end());
    temp.push_back('\0');
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(describe("cannot write", path, errno));
    const std::filesystem::path tempPath(temp.data());
    const auto fail = [&](const char* what, int error) {
        ::unlink(tempPath.c_str());
        throw FileError(describe(what, path, error));
    };
    const mode_t mode = exists ? static_cast<mode_t>(st.st_mode & 07777) : newFileMode();
    if (::fchmod(fd.get(), mode) != 0)
        fail("cannot write", errno);
    // The owner too, where the writer may give it (the superuser editing someone's file).
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
        // An ordinary user cannot give a file away; the file becomes the writer's, as any new file.
    }
    if (!writeAll(fd.get(), bytes))
        fail("cannot write", errno);
    if (::fsync(fd.get()) != 0)
        fail("cannot write", errno);
    if (fd.close() != 0)
        fail("cannot write", errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        fail("cannot replace", errno);
    syncFolder(folder);
}

void writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines, LineEnding ending) {
    writeBytes(path, joinLines(lines, ending));
}

std::vector<std::string> listBaseNames(const std::filesystem::path& folder, const std::string& extension,
                                       bool recurse) {
    std::vector<std::string> names;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return names;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_directory(typeEc)) {
            if (recurse) {
                auto sub = listBaseNames(it->path(), extension, true);
                names.insert(names.end(), sub.begin(), sub.end());
            }
            continue;
        }
        const std::string file = it->path().filename().string();
        if (file.size() > extension.size() &&
            equalIgnoringCase(std::string_view(file).substr(file.size() - extension.size()), extension))
            names.push_back(file.substr(0, file.size() - extension.size()));
    }
    return names;
}

} // namespace regforge::io
