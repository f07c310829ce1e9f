#include "io/TextFile.h"

#include "io/AsciiCase.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
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

std::string readBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError("is a folder: " + path.string());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("cannot open " + path.string() + ": " + std::strerror(errno));
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw FileError("cannot read " + path.string());
    return s.str();
}

TextLines readLines(const std::filesystem::path& path) {
    return splitLines(readBytes(path));
}

// The text goes to a temporary file beside the target, which is then renamed over it; errors
// name the target, the file the user asked for, never the temporary one.
void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    const auto temp = path.parent_path() / (path.filename().string() + ".tmp" + std::to_string(::getpid()));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw FileError("cannot write " + path.string() + ": " + std::strerror(errno));
        out << bytes;
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            throw FileError("cannot write " + path.string());
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        throw FileError("cannot replace " + path.string() + ": " + ec.message());
    }
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
