#include "iehelper/host_process.h"

#include <windows.h>

namespace iehelper {

HostKind ClassifyHost(const std::string& exePath) {
    const size_t slash = exePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? exePath : exePath.substr(slash + 1);
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (name == "iexplore.exe") return HostKind::Browser;
    if (name == "explorer.exe") return HostKind::Explorer;
    return HostKind::Other;
}

std::string CurrentProcessPath() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace iehelper
