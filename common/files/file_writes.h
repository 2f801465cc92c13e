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

}  // namespace files
