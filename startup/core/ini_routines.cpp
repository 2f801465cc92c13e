#include "startup/core/ini_routines.h"

#include <windows.h>

#include <vector>

namespace startup {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value of `key` among a section's "key=value" lines, as written.
std::string ValueInSection(const std::vector<char>& lines, size_t length, const std::string& key) {
    for (size_t pos = 0; pos < length;) {
        const std::string line(&lines[pos]);
        pos += line.size() + 1;
        const size_t equals = line.find('=');
        if (equals != std::string::npos &&
            lstrcmpiA(Trimmed(line.substr(0, equals)).c_str(), key.c_str()) == 0) {
            return Trimmed(line.substr(equals + 1));
        }
    }
    return std::string();
}

}  // namespace

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file) {
    // The section's lines as written: a quoted value keeps its quotes, which
    // the single-value read takes off. Grown until the section fits: a cut
    // value would be written back cut.
    for (DWORD size = 1024;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        DWORD length =
            GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, file.c_str());
        if (length < size - 2 || size >= (1u << 22)) {
            std::string value = ValueInSection(buffer, length, key);
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
