#include "common/files/ansi_names.h"

#include <windows.h>

#include "common/files/wide_calls.h"

namespace files {

namespace {

// WC_NO_BEST_FIT_CHARS came with Windows 2000; NT 4 refuses the flag, and
// the round trip below catches every best-fit character by itself.
bool ToAnsi(const std::wstring& wide, std::string& ansi, bool& usedDefault) {
    usedDefault = false;
    if (wide.empty()) {
        ansi.clear();
        return true;
    }
    const int length = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, &defaulted);
    if (size == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        size = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr, &defaulted);
    }
    if (size <= 0) return false;
    ansi.assign(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), length, &ansi[0], size, nullptr, &defaulted);
    usedDefault = defaulted != FALSE;
    return true;
}

}  // namespace

bool UnicodeNames() {
    static const bool unicode = (GetVersion() & 0x80000000u) == 0;
    return unicode;
}

std::wstring WideOf(const std::string& ansi) {
    if (ansi.empty()) return std::wstring();
    const int length = static_cast<int>(ansi.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, &wide[0], size);
    return wide;
}

bool ExactAnsi(const std::wstring& wide, std::string& ansi) {
    bool usedDefault = false;
    if (!ToAnsi(wide, ansi, usedDefault) || usedDefault) return false;
    return WideOf(ansi) == wide;
}

std::string ShownAnsi(const std::wstring& wide) {
    std::string ansi;
    bool usedDefault = false;
    return ToAnsi(wide, ansi, usedDefault) ? ansi : std::string();
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos;
}

bool AnsiPathOf(const std::wstring& widePath, std::string& ansi) {
    if (ExactAnsi(widePath, ansi)) return true;
    const WideCalls& calls = Wide();
    if (!calls.shortPath) return false;
    const DWORD size = calls.shortPath(widePath.c_str(), nullptr, 0);
    if (size == 0) return false;
    std::wstring shortPath(size, L'\0');
    const DWORD got = calls.shortPath(widePath.c_str(), &shortPath[0], size);
    if (got == 0 || got >= size) return false;
    shortPath.resize(got);
    return ExactAnsi(shortPath, ansi);
}

NamedPaths NamePaths(const std::vector<std::wstring>& widePaths) {
    NamedPaths named;
    for (const std::wstring& wide : widePaths) {
        std::string ansi;
        if (AnsiPathOf(wide, ansi))
            named.paths.push_back(ansi);
        else
            named.unnamed.push_back(ShownAnsi(wide));
    }
    return named;
}

bool WideCommandTail(std::wstring& tail) {
    const WideCalls& calls = Wide();
    if (!UnicodeNames() || !calls.commandLine) return false;
    const wchar_t* line = calls.commandLine();
    if (!line) return false;
    // The program's name as the system's own parser reads it: quoted, or
    // up to the first blank; then the blanks after it.
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"') ++line;
        if (*line) ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t') ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    tail = line;
    return true;
}

}  // namespace files
