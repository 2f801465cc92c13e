#include "shredder/core/paths.h"

#include <windows.h>

#include <cctype>

namespace shredder {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

using LongPathFn = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);

// The system's own long-name query; the oldest systems lack it.
LongPathFn LongPathQuery() {
    static const LongPathFn query = reinterpret_cast<LongPathFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetLongPathNameA")));
    return query;
}

// Where the folder part of a full path ends: after "X:\" or after
// "\\server\share\"; 0 when the path has neither form.
size_t RootLength(const std::string& full) {
    if (full.size() >= 3 && full[1] == ':' && full[2] == '\\') return 3;
    if (full.compare(0, 2, "\\\\") != 0) return 0;
    size_t share = full.find('\\', 2);
    if (share == std::string::npos) return full.size();
    size_t end = full.find('\\', share + 1);
    return end == std::string::npos ? full.size() : end + 1;
}

}  // namespace

std::string LongPathByParts(const std::string& full) {
    size_t at = RootLength(full);
    if (at == 0) return full;
    std::string result = full.substr(0, at);
    while (at < full.size()) {
        size_t end = full.find('\\', at);
        if (end == std::string::npos) end = full.size();
        const std::string part = full.substr(at, end - at);
        WIN32_FIND_DATAA data;
        HANDLE find = part.empty() || part.find_first_of("*?") != std::string::npos
                          ? INVALID_HANDLE_VALUE
                          : FindFirstFileA((result + part).c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return result + full.substr(at);
        FindClose(find);
        result += data.cFileName;
        if (end < full.size()) result += '\\';
        at = end + 1;
    }
    return result;
}

std::string FullPath(const std::string& path) {
    const std::string normal = NormalizePath(path);
    if (normal.empty()) return normal;
    char full[MAX_PATH];
    char* filePart = nullptr;
    const DWORD length = GetFullPathNameA(normal.c_str(), MAX_PATH, full, &filePart);
    if (length == 0 || length >= MAX_PATH) return normal;
    return NormalizePath(full);
}

std::string ResolvePath(const std::string& path) {
    const std::string full = FullPath(path);
    if (full.empty()) return full;
    if (LongPathQuery()) {
        char longer[MAX_PATH];
        const DWORD got = LongPathQuery()(full.c_str(), longer, MAX_PATH);
        if (got > 0 && got < MAX_PATH) return NormalizePath(longer);
    }
    return NormalizePath(LongPathByParts(full));
}

bool WithoutDevicePrefix(const std::string& path, std::string& plain) {
    const std::string normal = NormalizePath(path);
    if (normal.compare(0, 4, "\\\\?\\") != 0 && normal.compare(0, 4, "\\\\.\\") != 0) {
        plain = normal;
        return true;
    }
    const std::string rest = normal.substr(4);
    if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
        plain = NormalizePath(rest);
        return true;
    }
    if (normal[2] == '?' && rest.size() > 4 && SamePath(rest.substr(0, 4), "UNC\\")) {
        plain = NormalizePath("\\\\" + rest.substr(4));
        return true;
    }
    return false;
}

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
    const std::string resolved = ResolvePath(path);
    for (const std::string& folder : folders) {
        if (!folder.empty() && SamePath(resolved, ResolvePath(folder))) return true;
    }
    return false;
}

}  // namespace shredder
