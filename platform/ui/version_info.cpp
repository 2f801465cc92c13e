#include "platform/ui/version_info.h"

#include <windows.h>
#include <vector>

namespace ui {

std::string GetVersionString(const std::string& file, const std::string& name) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0) return std::string();
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return std::string();
    std::string path = "\\StringFileInfo\\040904b0\\" + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value || length == 0) {
        return std::string();
    }
    return std::string(value, strnlen(value, length));
}

}  // namespace ui
