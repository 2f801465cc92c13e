#include "shredder/core/paths.h"

#include <cctype>

namespace shredder {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string NormalizePath(const std::string& path) {
    std::string result;
    size_t start = 0;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        result = "\\\\";
        start = 2;
    }
    for (size_t i = start; i < path.size(); ++i) {
        char c = IsSeparator(path[i]) ? '\\' : path[i];
        if (c == '\\' && !result.empty() && result.back() == '\\') continue;
        result += c;
    }
    if (result.size() >= 2 && result[1] == ':') {
        result[0] = Upper(result[0]);
        if (result.size() == 2) result += '\\';
    }
    const size_t keep = result.size() >= 2 && result[1] == ':' ? 3 : 1;
    while (result.size() > keep && result.back() == '\\' && result != "\\\\") result.pop_back();
    return result;
}

bool SamePath(const std::string& a, const std::string& b) {
    std::string x = NormalizePath(a), y = NormalizePath(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i) {
        if (Upper(x[i]) != Upper(y[i])) return false;
    }
    return true;
}

bool IsDriveRoot(const std::string& path, char* letter) {
    std::string p = NormalizePath(path);
    if (p.size() != 3 || p[1] != ':' || p[2] != '\\' || !std::isalpha(static_cast<unsigned char>(p[0])))
        return false;
    if (letter) *letter = Upper(p[0]);
    return true;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
    return folder + "\\" + name;
}

bool IsProtectedFolder(const std::string& path, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (!folder.empty() && SamePath(path, folder)) return true;
    }
    return false;
}

}  // namespace shredder
