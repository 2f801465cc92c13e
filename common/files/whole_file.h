#pragma once
// Existence checks and whole-file reads in binary.
#include <string>

namespace files {

// True when a file or a folder is at `path`.
bool PathExists(const std::string& path);
// True when `path` names a file, not a folder.
bool FileExists(const std::string& path);
// True when `path` names a folder. Asks the file system for attributes
// only: the process's current folder never changes.
bool FolderExists(const std::string& path);
// The whole file, read while others may keep it open for writing; on any
// failure `bytes` is unchanged and the result is false.
bool ReadWholeFile(const std::string& path, std::string& bytes);

enum class ReadOutcome { Read, Missing, Unreadable };
// ReadWholeFile for a file another program (a backup or virus scanner) may
// hold open for moments at a time: a file that is there but cannot be read
// is tried again for about a second and a half before it counts as
// Unreadable. Only a file that is not there at all is Missing.
ReadOutcome ReadWholeFilePatiently(const std::string& path, std::string& bytes);

}  // namespace files
