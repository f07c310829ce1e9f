#include "io/Descriptor.h"
#include "io/TextFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace regforge::io {

bool writeAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

namespace {

namespace fs = std::filesystem;

std::string describe(const char* what, const fs::path& path, int error) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

bool writeAll(int fd, const std::string& bytes) {
    return io::writeAll(fd, bytes.data(), bytes.size());
}

// The number after `prefix` when the whole rest of `text` is one.
std::optional<int> numberAfter(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix) || text.size() == prefix.size())
        return std::nullopt;
    const std::string_view digits = text.substr(prefix.size());
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 0)
        return std::nullopt;
    return n;
}

// Writes to a descriptor the process holds: no truncation and no close, as a shell program
// writes to its standard output.
void writeToDescriptor(int fd, const fs::path& path, const std::string& bytes) {
    if (::fcntl(fd, F_GETFL) < 0 || !writeAll(fd, bytes))
        throw FileError(describe("cannot write", path, errno));
}

// The file a write replaces: a symbolic link's final target (the link itself stays). A link to
// one of the process's descriptors ends the walk there.
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (descriptorNamedBy(path) || !fs::is_symlink(path, ec))
            return path;
        const auto target = fs::read_symlink(path, ec);
        if (ec)
            throw FileError(describe("cannot follow", path, ec.value()));
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw FileError(describe("cannot follow", path, ELOOP));
}

void writeDirectly(const fs::path& path, const std::string& bytes) {
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

void syncFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get()); // the file is in place; a folder that cannot be flushed changes nothing
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

std::string temporaryName(const std::string& base) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name = "." + base + ".";
    for (int i = 0; i < 6; ++i)
        name += kLetters[random() % kLetters.size()];
    return name;
}

// The new content of a file, written and flushed to disk before it gets the name it is for.
// Where the system offers it, the file has no name while it is written, so a kill leaves
// nothing behind; elsewhere it has a temporary one, removed when the write fails. Errors name
// `reported`, the file the user asked for.
class PendingFile {
public:
    PendingFile(fs::path folder, const std::string& baseName, fs::path reported)
        : folder_(folder.empty() ? fs::path(".") : std::move(folder)), base_(baseName),
          reported_(std::move(reported)), fd_(-1) {
#ifdef O_TMPFILE
        fd_.reset(::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (fd_.get() >= 0 && ::access(procPath(fd_.get()).c_str(), F_OK) == 0)
            return;
        // A file system or kernel without unnamed files, or no /proc to link one: the named way.
        if (fd_.get() < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            throw FileError(describe("cannot write", reported_, errno));
#endif
        const std::string pattern = (folder_ / ("." + base_ + ".XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0)
            throw FileError(describe("cannot write", reported_, errno));
        fd_.reset(fd);
        named_ = name.data();
    }
    ~PendingFile() {
        if (!named_.empty())
            ::unlink(named_.c_str());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Writes the bytes with the mode (and, where the writer may give it, the owner of `owner`)
    // and flushes them to disk.
    void fill(const std::string& bytes, mode_t mode, const struct stat* owner) {
        if (::fchmod(fd_.get(), mode) != 0)
            fail("cannot write", errno);
        // The owner too, where the writer may give it (the superuser editing someone's file); an
        // ordinary user cannot give a file away, so the file becomes the writer's, as any new one.
        if (owner != nullptr && (owner->st_uid != ::geteuid() || owner->st_gid != ::getegid()) &&
            ::fchown(fd_.get(), owner->st_uid, owner->st_gid) != 0) {
            // Not given away: the file stays the writer's.
        }
        if (!writeAll(fd_.get(), bytes) || ::fsync(fd_.get()) != 0)
            fail("cannot write", errno);
    }

    // Puts the complete file in place of `target`.
    void replace(const fs::path& target) {
        if (named_.empty()) {
            for (int attempt = 0; named_.empty(); ++attempt) {
                const fs::path name = folder_ / temporaryName(base_);
                if (link(name))
                    named_ = name;
                else if (attempt == 100)
                    fail("cannot write", EEXIST);
            }
        }
        if (fd_.close() != 0)
            fail("cannot write", errno);
        if (::rename(named_.c_str(), target.c_str()) != 0)
            fail("cannot replace", errno);
        named_.clear();
        syncFolder(folder_);
    }

    // Gives the complete file the new name `name`; false when something already has that name.
    bool linkAsNew(const fs::path& name) {
        if (named_.empty()) {
            if (!link(name))
                return false;
            if (fd_.close() != 0) {
                const int error = errno;
                ::unlink(name.c_str());
                fail("cannot write", error);
            }
        } else {
            if (fd_.close() != 0)
                fail("cannot write", errno);
            if (::link(named_.c_str(), name.c_str()) != 0) {
                if (errno == EEXIST)
                    return false;
                fail("cannot write", errno);
            }
            ::unlink(named_.c_str());
            named_.clear();
        }
        syncFolder(folder_);
        return true;
    }

private:
    static std::string procPath(int fd) {
        return "/proc/self/fd/" + std::to_string(fd);
    }

    // Links the unnamed file under `name`; false when the name is taken.
    bool link(const fs::path& name) {
        if (::linkat(AT_FDCWD, procPath(fd_.get()).c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            fail("cannot write", errno);
        return false;
    }

    [[noreturn]] void fail(const char* what, int error) const {
        throw FileError(describe(what, reported_, error));
    }

    fs::path folder_;
    std::string base_;
    fs::path reported_;
    Descriptor fd_;
    fs::path named_;
};

} // namespace

std::optional<int> descriptorNamedBy(const fs::path& path) {
    const std::string name = path.lexically_normal().string();
    if (name == "/dev/stdin")
        return 0;
    if (name == "/dev/stdout")
        return 1;
    if (name == "/dev/stderr")
        return 2;
    if (const auto n = numberAfter(name, "/dev/fd/"))
        return n;
    if (const auto n = numberAfter(name, "/proc/self/fd/"))
        return n;
    return numberAfter(name, "/proc/" + std::to_string(::getpid()) + "/fd/");
}

void requireWritable(const fs::path& path, WriteOptions options) {
    struct stat st {};
    if (options.force || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    // One's own file by its owner bit, so that the superuser's read-only file is refused too.
    const bool writable =
        st.st_uid == ::geteuid() ? (st.st_mode & S_IWUSR) != 0 : ::access(path.c_str(), W_OK) == 0;
    if (!writable)
        throw FileError(path.string() + ": " + std::strerror(EACCES));
}

// Errors name the target, the file the user asked for, never the temporary one.
void writeBytes(const fs::path& path, const std::string& bytes, WriteOptions options) {
    const auto target = followLinks(path);
    if (const auto fd = descriptorNamedBy(target)) {
        writeToDescriptor(*fd, path, bytes);
        return;
    }
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // A folder is left to the rename, which refuses to replace it.
    if (exists && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        writeDirectly(target, bytes);
        return;
    }
    if (exists && S_ISREG(st.st_mode))
        requireWritable(target, options);
    PendingFile file(target.parent_path(), target.filename().string(), path);
    file.fill(bytes, exists ? static_cast<mode_t>(st.st_mode & 07777) : newFileMode(),
              exists ? &st : nullptr);
    file.replace(target);
}

void writeLines(const fs::path& path, const std::vector<std::string>& lines, LineEnding ending,
                WriteOptions options) {
    writeBytes(path, joinLines(lines, ending), options);
}

fs::path createNewFile(const std::vector<fs::path>& names, const std::string& bytes, const fs::path& like) {
    if (names.empty())
        throw FileError("no name for the new file");
    struct stat st {};
    if (::stat(like.c_str(), &st) != 0)
        throw FileError(describe("cannot read", like, errno));
    const fs::path& first = names.front();
    PendingFile file(first.parent_path(), first.filename().string(), first);
    file.fill(bytes, static_cast<mode_t>(st.st_mode & 0777), &st);
    for (const auto& name : names)
        if (file.linkAsNew(name))
            return name;
    throw FileError(describe("cannot write", first, EEXIST) + " (and every numbered name after it)");
}

} // namespace regforge::io
