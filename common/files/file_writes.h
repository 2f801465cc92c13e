#pragma once
// Whole-file writes in binary, each on one owned handle.
#include <string>

namespace files {

// Creates the file; fails when it exists already. When the write fails the
// new file is removed again.
bool CreateNewFile(const std::string& path, const std::string& bytes);
// Appends to the file, creating it when missing.
bool AppendToFile(const std::string& path, const std::string& bytes);
// Replaces the content of an existing file (its attributes are kept).
bool RewriteFile(const std::string& path, const std::string& bytes);

// What a replace does with a file the user made read-only.
enum class ReadOnlyFile { Keep, Replace };

// Writes `bytes` to a temporary file beside `path` and puts it in place of
// `path` only once it is complete; a missing `path` is created. The new
// file keeps the read-only, hidden, system and archive marks of the old
// one. A read-only `path` stays as it is (false) unless `readOnly` is
// Replace. On any failure `path` keeps its old content and attributes, no
// temporary stays behind and the result is false.
bool ReplaceThroughTemporary(const std::string& path, const std::string& bytes,
                             ReadOnlyFile readOnly);

// Puts the file `from` in place of `to` with plain renames, as Windows 9x
// (which has no MoveFileEx) must: `to` steps aside under a fresh name of
// the program's own, then comes back when `from` cannot take its place. No
// other file beside them is touched. False when `to` keeps its content.
bool ReplaceByRenames(const std::string& from, const std::string& to);

}  // namespace files
