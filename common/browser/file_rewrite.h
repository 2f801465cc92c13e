#pragma once
// Safe rewrites of the users' settings files.
#include <string>

#include "common/files/whole_file.h"

namespace browser {

// Writes `bytes` to a temporary file beside `path` and puts it in place of
// `path` only once it is complete. A file the user made read-only stays as
// it is. On any failure `path` keeps its old content and the result is false.
bool RewriteFile(const std::string& path, const std::string& bytes);

// Reads `path`, applies `edit` and rewrites the file when the text changed.
// False when the file cannot be read or the rewrite fails.
template <typename Edit>
bool EditFile(const std::string& path, Edit edit) {
    std::string before;
    if (!files::ReadWholeFile(path, before)) return false;
    const std::string after = edit(before);
    return after == before || RewriteFile(path, after);
}

}  // namespace browser
