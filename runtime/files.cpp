#include "runtime/files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

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

void FileCopy(const std::string& source, const std::string& target) {
    std::error_code ec;
    std::string from = nativePath(source), to = nativePath(target);
    if (!fs::is_regular_file(from, ec)) throw RuntimeError(kFileNotFound, "File not found");
    fs::path folder = fs::path(to).parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec))
        throw RuntimeError(kPathNotFound, "Path not found");
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) throw RuntimeError(75, "Path/File access error");
}

std::string readFirstField(const std::string& path) {
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in) throw RuntimeError(kFileNotFound, "File not found");
    std::string field;
    int c = in.get();
    if (c == EOF) throw RuntimeError(62, "Input past end of file");
    while (c == ' ' || c == '\t') c = in.get();
    if (c == '"') {
        for (c = in.get(); c != EOF && c != '"'; c = in.get())
            field.push_back(static_cast<char>(c));
        return field;
    }
    for (; c != EOF && c != ',' && c != '\r' && c != '\n'; c = in.get())
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
