#pragma once
// Whole-file reads and safe rewrites of the users' settings files, and the
// folder listings the profile searches need.
#include <string>
#include <vector>

namespace browser {

bool FileExists(const std::string& path);
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file beside `path` and puts it in place of
// `path` only once it is complete. On any failure `path` keeps its old
// content and the result is false.
bool RewriteFile(const std::string& path, const std::string& bytes);

// Reads `path`, applies `edit` and rewrites the file when the text changed.
// False when the file cannot be read or the rewrite fails.
template <typename Edit>
bool EditFile(const std::string& path, Edit edit) {
    std::string before;
    if (!ReadWholeFile(path, before)) return false;
    const std::string after = edit(before);
    return after == before || RewriteFile(path, after);
}

struct FolderEntry {
    std::string name;
    bool isFolder;
};

// The entries matching `pattern` (a path with wildcards), "." and ".."
// left out, in the order the file system gives them.
std::vector<FolderEntry> ListMatches(const std::string& pattern);

}  // namespace browser
