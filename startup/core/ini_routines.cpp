#include "startup/core/ini_routines.h"

#include <windows.h>

#include <vector>

namespace startup {

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file) {
    // Grown until the value fits: a cut value would be written back cut.
    for (DWORD size = 128;; size *= 2) {
        std::vector<char> buffer(size);
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                size, file.c_str());
        if (length < size - 1 || size >= (1u << 20)) {
            std::string value(buffer.data(), length);
            return value.size() < 2 ? std::string() : value;
        }
    }
}

bool ClearIniKey(const std::string& section, const std::string& key, const std::string& file) {
    return WriteIniString(section, key, std::string(), file);
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           FALSE;
}

}  // namespace startup
