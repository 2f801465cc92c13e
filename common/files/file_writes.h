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
// `path` only once it is complete; a missing `path` is created. A read-only
// `path` stays as it is (false) unless `readOnly` is Replace. On any failure
// `path` keeps its old content and attributes, no temporary stays behind and
// the result is false.
bool ReplaceThroughTemporary(const std::string& path, const std::string& bytes,
                             ReadOnlyFile readOnly);

}  // namespace files
