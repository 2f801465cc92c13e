#include "uninstall/zone_restore.h"

#include <windows.h>

#include <set>

#include "common/files/whole_file.h"
#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"

namespace uninstall {
namespace {

namespace bw = suite::blinkward;

const char kZonesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\";

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The keys the section holds, lower-cased.
std::set<std::string> SectionKeys(const std::string& file, const char* section) {
    std::string buffer(4096, '\0');
    const DWORD length = GetPrivateProfileStringA(section, nullptr, "", &buffer[0],
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    std::set<std::string> keys;
    for (size_t at = 0; at < length;) {
        const std::string key = buffer.c_str() + at;
        if (key.empty()) break;
        keys.insert(Lower(key));
        at += key.size() + 1;
    }
    return keys;
}

std::string ReadValue(const std::string& file, const char* section, const char* key) {
    char buffer[64] = "";
    const DWORD length =
        GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str());
    return std::string(buffer, length);
}

// The policy still holds what the popup blocker wrote into it.
bool StillOurs(const CRegKey& policies, const CRegKey& written, const char* action) {
    DWORD ours = 0, now = 0;
    return written.ReadDword(action, ours) && policies.ReadDword(action, now) && now == ours;
}

void RestoreZone(const std::string& file, int zone) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, (kZonesKey + std::to_string(zone)).c_str(), KEY_ALL_ACCESS))
        return;
    CRegKey written;
    written.Open(HKEY_CURRENT_USER,
                 (std::string(bw::kZonesSetKey) + "\\" + std::to_string(zone)).c_str(), KEY_READ);
    const char* section = bw::kZoneSections[zone - 1];
    const std::set<std::string> saved = SectionKeys(file, section);
    for (const char* action : bw::kZoneActions) {
        if (!StillOurs(key, written, action)) continue;
        if (!saved.count(action)) {
            key.DeleteValue(action);
            continue;
        }
        unsigned long value = 0;
        if (ParseZonePolicy(ReadValue(file, section, action), value))
            key.WriteDword(action, static_cast<DWORD>(value));
    }
}

}  // namespace

bool ParseZonePolicy(const std::string& text, unsigned long& value) {
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++at;
    if (at == text.size()) return false;
    unsigned long long magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
        magnitude = magnitude * 10 + static_cast<unsigned>(text[at] - '0');
        if (magnitude > 0xFFFFFFFFull) return false;
    }
    if (negative && magnitude > 0x80000000ull) return false;
    value = static_cast<unsigned long>(negative ? 0x100000000ull - magnitude : magnitude) &
            0xFFFFFFFFul;
    return true;
}

bool RestoreActiveXZones(const std::string& backupFile) {
    if (!files::FileExists(backupFile)) return false;
    for (int zone = 1; zone <= bw::kZoneCount; ++zone) RestoreZone(backupFile, zone);
    return true;
}

}  // namespace uninstall
