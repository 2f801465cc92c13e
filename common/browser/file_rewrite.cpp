#include "common/browser/file_rewrite.h"

#include "common/files/file_writes.h"

namespace browser {

bool RewriteFile(const std::string& path, const std::string& bytes) {
    return files::ReplaceThroughTemporary(path, bytes, files::ReadOnlyFile::Keep);
}

}  // namespace browser
