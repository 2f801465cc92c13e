#include "popup/engine/engine_settings.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "common/lang/profile_text.h"

namespace popup {

IniFile::IniFile(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section)) {}

namespace {

// The file's text; a missing file reads as empty, giving every default.
std::string FileText(const std::string& path) {
    std::string text;
    files::ReadWholeFile(path, text);
    return text;
}

}  // namespace

std::string IniFile::ReadIniString(const char* key, const char* def) const {
    return lang::ProfileString(FileText(path_), section_, key, def ? def : "", kIniTextBuffer);
}

int IniFile::ReadIniInt(const char* key, int def) const {
    return lang::ProfileInt(FileText(path_), section_, key, def);
}

bool IniFile::WriteIniString(const char* key, const std::string& text) const {
    return WritePrivateProfileStringA(section_.c_str(), key, text.c_str(), path_.c_str()) != FALSE;
}

bool IniFile::WriteIniInt(const char* key, int value) const {
    return WriteIniString(key, IniIntText(value));
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
    return ReadEngineSettings(FileText(file.path()), file.section());
}

bool SaveEngineSettings(const IniFile& file, const EngineSettings& settings) {
    bool ok = true;
    for (const IniEntry& entry : EngineSettingsEntries(settings))
        ok &= file.WriteIniString(entry.key, entry.text);
    file.Flush();
    return ok;
}

}  // namespace popup
