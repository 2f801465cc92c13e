#include "popup/engine/engine_settings.h"

#include <windows.h>

#include "common/files/whole_file.h"

namespace popup {

IniFile::IniFile(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section)) {}

bool IniFile::WriteIniString(const char* key, const std::string& text) const {
    return WritePrivateProfileStringA(section_.c_str(), key, text.c_str(), path_.c_str()) != FALSE;
}

void IniFile::Flush() const { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

std::string GetExeDirPath(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    folder.erase(folder.rfind('\\') + 1);
    return folder + name;
}

EngineSettings LoadEngineSettings(const IniFile& file) {
    std::string text;
    files::ReadWholeFile(file.path(), text);  // a missing file gives every default
    return ReadEngineSettings(text, file.section());
}

bool SaveEngineSettings(const IniFile& file, const EngineSettings& settings) {
    bool ok = true;
    for (const IniEntry& entry : EngineSettingsEntries(settings))
        ok &= file.WriteIniString(entry.key, entry.text);
    file.Flush();
    return ok;
}

}  // namespace popup
