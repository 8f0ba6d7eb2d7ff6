#include "runtime/files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"

namespace fs = std::filesystem;

namespace rt {

std::string nativePath(const std::string& path) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

int GetAttr(const std::string& path) {
    std::error_code ec;
    fs::file_status st = fs::status(nativePath(path), ec);
    if (ec || !fs::exists(st)) throw RuntimeError(kFileNotFound, "File not found");
    return fs::is_directory(st) ? kAttributeDirectory : 0;
}

void SetAttrNormal(const std::string& path) {
    std::error_code ec;
    std::string p = nativePath(path);
    if (!fs::exists(p, ec)) throw RuntimeError(kFileNotFound, "File not found");
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

void MakeFolders(const std::string& path) {
    std::error_code ec;
    fs::path folder = nativePath(path);
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) throw RuntimeError(75, "Path/File access error");
}

std::optional<std::string> fileInTheWay(const std::string& path) {
    // Up from the folder to the first thing that exists: a folder there clears the way. A link
    // exists as itself, even when it leads nowhere: a folder cannot be made in its place.
    for (fs::path p = nativePath(path); !p.empty(); p = p.parent_path()) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(p, ec))) {
            if (fs::is_directory(fs::status(p, ec))) return std::nullopt;
            return p.string();
        }
        if (p == p.parent_path()) break;
    }
    return std::nullopt;
}

namespace {

// Writes all of `contents` to an open file and flushes it to the disk.
bool writeAllAndSync(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// The permissions of a new file: what the user's umask allows of rw-r--r--, plus the execute
// bits of the read bits for an executable file.
mode_t permissionsFor(FileMode mode) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t perms = 0644 & ~mask;
    if (mode == FileMode::Executable) perms |= (perms & 0444) >> 2;
    return perms;
}

}  // namespace

void writeFileAtomically(const std::string& path, const std::string& contents, FileMode mode) {
    const fs::path target = nativePath(path);
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) throw RuntimeError(kPathNotFound, "Path not found");
    // A hidden name in the same folder: the rename stays inside one file system, and a
    // temporary file left by a crash is not shown on a desktop.
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temp.data());
    if (fd < 0) throw RuntimeError(75, "Path/File access error");
    bool ok = ::fchmod(fd, permissionsFor(mode)) == 0 && writeAllAndSync(fd, contents);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw RuntimeError(75, "Path/File access error");
    }
}

namespace {

// Files are read with the C library's streams: the C++ ones would set up the whole of the
// standard library's locale machinery on the way to the first window, for a few bytes.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

InputFile openForReading(const std::string& path) {
    return InputFile(std::fopen(path.c_str(), "rb"));
}

}  // namespace

void FileCopy(const std::string& source, const std::string& target) {
    std::error_code ec;
    std::string from = nativePath(source), to = nativePath(target);
    if (!fs::is_regular_file(from, ec)) throw RuntimeError(kFileNotFound, "File not found");
    InputFile in = openForReading(from);
    const auto size = fs::file_size(from, ec);
    std::string contents(ec ? 0 : static_cast<std::size_t>(size), '\0');
    if (!in || ec || std::fread(contents.data(), 1, contents.size(), in.get()) != contents.size())
        throw RuntimeError(75, "Path/File access error");
    // A copy that fails half-way (a full disk) leaves the old target, never a broken one.
    writeFileAtomically(to, contents, FileMode::Plain);
}

std::string readFirstField(const std::string& path) {
    InputFile in = openForReading(nativePath(path));
    if (!in) throw RuntimeError(kFileNotFound, "File not found");
    std::FILE* f = in.get();
    std::string field;
    int c = std::getc(f);
    if (c == EOF) throw RuntimeError(62, "Input past end of file");
    while (c == ' ' || c == '\t') c = std::getc(f);
    if (c == '"') {
        for (c = std::getc(f); c != EOF && c != '"'; c = std::getc(f))
            field.push_back(static_cast<char>(c));
        return field;
    }
    for (; c != EOF && c != ',' && c != '\r' && c != '\n'; c = std::getc(f))
        field.push_back(static_cast<char>(c));
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
    return field;
}

std::string programFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec).string();
    return exe.parent_path().string();
}

}  // namespace rt
