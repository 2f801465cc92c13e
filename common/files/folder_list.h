#pragma once
// Folder listings through the file system's wildcard search.
#include <string>
#include <vector>

namespace files {

struct FolderEntry {
    std::string name;
    bool isFolder;
    // A reparse point (junction, mount point, symbolic link): the entry
    // itself, not what it leads to.
    bool isLink = false;
};

// The entries matching `pattern` (a path with wildcards), "." and ".."
// left out, in the order the file system gives them.
std::vector<FolderEntry> ListMatches(const std::string& pattern);

// The names of the subfolders of `folder`, "." and ".." left out, in the
// order the file search returns them; empty when it cannot be read.
std::vector<std::string> ListSubfolders(const std::string& folder);

// The titles (names without their extension) of the files in `folder` that
// match `pattern`, in the order the file search returns them.
std::vector<std::string> ListFileTitles(const std::string& folder, const std::string& pattern);

}  // namespace files
