#include "common/browser/mozilla_registry.h"

#include "common/browser/text_lines.h"

namespace browser {
namespace {

const char kMarker[] = "directory";  // with its terminator: ten bytes
constexpr size_t kMarkerSize = sizeof(kMarker);
constexpr size_t kMaxPath = 260;

}  // namespace

std::vector<std::string> ScanProfileDirectories(const std::string& bytes) {
    std::vector<std::string> found;
    const std::string marker(kMarker, kMarkerSize);
    for (size_t at = bytes.find(marker); at != std::string::npos;
         at = bytes.find(marker, at + 1)) {
        size_t textAt = at + kMarkerSize;
        size_t end = bytes.find('\0', textAt);
        if (end == std::string::npos) break;
        std::string text = bytes.substr(textAt, end - textAt);
        if (text.size() < kMaxPath && EndsWithNoCase(text, ".slt")) found.push_back(text);
    }
    return found;
}

std::string ProfileNameOf(const std::string& directory) {
    size_t sltSlash = directory.rfind('\\');
    if (sltSlash == std::string::npos) return "";
    std::string folder = directory.substr(0, sltSlash);
    size_t slash = folder.rfind('\\');
    return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

}  // namespace browser
