// Files and folders, with paths written as the game writes them ("\" separators, "\" at the
// start meaning the root of the file system).
#pragma once

#include <optional>
#include <string>

namespace rt {

// The platform path of a game path: "\" becomes the platform's separator; a path that begins
// with a separator is taken from the root of the file system.
std::string nativePath(const std::string& path);

// The folder bit of file attributes.
constexpr int kAttributeDirectory = 16;
// GetAttr: the attributes of a path (kAttributeDirectory for a folder, 0 for a plain file);
// error 53 when the path does not exist.
int GetAttr(const std::string& path);
// SetAttr with normal attributes: makes the file writable for its owner. Error 53 if missing.
void SetAttrNormal(const std::string& path);
// FileCopy: copies a file, overwriting the target in one step (see writeFileAtomically); error
// 53 for a missing source, 76 for a target folder that does not exist, 75 for any other failure.
void FileCopy(const std::string& source, const std::string& target);

// MkDir with every missing folder above it; a folder that exists already is left as it is.
// Error 75 when it cannot be made (or a file stands in its place).
void MakeFolders(const std::string& path);
// The platform path of the file that stands where the folder `path`, or a folder above it, should
// be (what makes MakeFolders fail there); nothing when no file is in the way. Anything but a
// folder is in the way: a link that leads nowhere or to a file too; a link to a folder is a folder.
std::optional<std::string> fileInTheWay(const std::string& path);

// Who may run a written file.
enum class FileMode { Plain, Executable };
// Replaces (or creates) a file with `contents` in one step: the text is written to a temporary
// file beside it, flushed to disk and renamed over the target, so the target is always either
// the old file or the whole new one. Executable files get the execute bits of their read bits.
// Error 76 when the folder does not exist, 75 for any other failure; the temporary file is gone
// after a failure.
void writeFileAtomically(const std::string& path, const std::string& contents, FileMode mode);

// Reads the first delimited text field of a text file as the forms runtime's Input # does:
// leading blanks are skipped; a field in double quotes ends at the closing quote, any other at
// the first comma or line break or at the end of the file. Error 53 when the file is missing,
// 62 when the file is empty.
std::string readFirstField(const std::string& path);

// Closes the files the program holds open on numbered channels (Close): none stay open in this
// runtime, so this is a no-op kept for the callers' order of steps.
inline void CloseAllFiles() {}

// The folder of the running program file, without a trailing separator.
std::string programFolder();

}  // namespace rt
