#pragma once
// File listings of the program's data folders.
#include <string>
#include <vector>

// The titles (names without their extension) of the files in `folder` that
// match `pattern`, in the order the file search returns them.
std::vector<std::string> ListFileTitles(const std::string& folder, const std::string& pattern);

bool FileExists(const std::string& path);
