// The file forms of the settings parsers read and write through these; the
// targets fuzz the byte and text forms only, so here every file is missing
// and no write succeeds.
#include <string>

#include "common/browser/file_rewrite.h"
#include "common/files/whole_file.h"

namespace files {
bool ReadWholeFile(const std::string&, std::string&) { return false; }
bool FileExists(const std::string&) { return false; }
ReadOutcome ReadWholeFilePatiently(const std::string&, std::string&) { return ReadOutcome::Missing; }
}  // namespace files

namespace browser {
bool RewriteFile(const std::string&, const std::string&) { return false; }
}  // namespace browser
