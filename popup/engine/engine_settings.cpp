#include "popup/engine/engine_settings.h"

#include <windows.h>

#include <cstdio>

namespace popup {

IniFile::IniFile(std::string path, std::string section)
    : path_(std::move(path)), section_(std::move(section)) {}

std::string IniFile::ReadIniString(const char* key, const char* def) const {
    char text[260];
    GetPrivateProfileStringA(section_.c_str(), key, def, text, sizeof text, path_.c_str());
    return text;
}

int IniFile::ReadIniInt(const char* key, int def) const {
    return static_cast<int>(GetPrivateProfileIntA(section_.c_str(), key, def, path_.c_str()));
}

bool IniFile::WriteIniString(const char* key, const std::string& text) const {
    return WritePrivateProfileStringA(section_.c_str(), key, text.c_str(), path_.c_str()) != FALSE;
}

bool IniFile::WriteIniInt(const char* key, int value) const {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    return WriteIniString(key, text);
}

std::string GetExeDirPath(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    folder.erase(folder.rfind('\\') + 1);
    return folder + name;
}

EngineSettings LoadEngineSettings(const IniFile& file) {
    EngineSettings d;
    EngineSettings s;
    s.popupIP = file.ReadIniString("PopupIP", d.popupIP.c_str());
    s.popupPort = file.ReadIniInt("PopupPort", d.popupPort);
    s.gatewayIP = file.ReadIniString("GatewayIP", d.gatewayIP.c_str());
    s.gatewayPort = file.ReadIniInt("GatewayPort", d.gatewayPort);
    s.gatewayEnable = file.ReadIniInt("GatewayEnable", d.gatewayEnable);
    s.bannerBlock = file.ReadIniInt("BannerBlock", d.bannerBlock);
    s.startup = file.ReadIniInt("Startup", d.startup);
    s.eventMask = file.ReadIniInt("EventMask", d.eventMask);
    s.displayOnTop = file.ReadIniInt("DisplayOnTop", d.displayOnTop);
    s.disabled = file.ReadIniInt("Disabled", d.disabled);
    s.useDefaultBufferSizes = file.ReadIniInt("UseDefaultBufferSizes", d.useDefaultBufferSizes);
    s.bufferSize = file.ReadIniInt("BufferSize", d.bufferSize);
    s.dnsCacheSize = file.ReadIniInt("DNSCacheSize", d.dnsCacheSize);
    s.dnsCacheDisable = file.ReadIniInt("DNSCacheDisable", d.dnsCacheDisable);
    s.disableProxy = file.ReadIniInt("DisableProxy", d.disableProxy);
    s.catching = file.ReadIniInt("PopupCheckDisabled", 0) == 0;
    s.playWave = file.ReadIniInt("PlayWave", d.playWave);
    s.connectionTimeOut = file.ReadIniInt("ConnectionTimeOut", d.connectionTimeOut);
    s.useDefaultTimeOut = file.ReadIniInt("UseDefaultTimeOut", d.useDefaultTimeOut);
    return s;
}

bool SaveEngineSettings(const IniFile& file, const EngineSettings& s) {
    bool ok = file.WriteIniString("PopupIP", s.popupIP);
    ok &= file.WriteIniInt("PopupPort", s.popupPort);
    ok &= file.WriteIniString("GatewayIP", s.gatewayIP);
    ok &= file.WriteIniInt("GatewayPort", s.gatewayPort);
    ok &= file.WriteIniInt("GatewayEnable", s.gatewayEnable);
    ok &= file.WriteIniInt("BannerBlock", s.bannerBlock);
    ok &= file.WriteIniInt("Startup", s.startup);
    ok &= file.WriteIniInt("DisplayOnTop", s.displayOnTop);
    ok &= file.WriteIniInt("ResetStats", 0);
    ok &= file.WriteIniInt("UseDefaultBufferSizes", s.useDefaultBufferSizes);
    ok &= file.WriteIniInt("Disabled", s.disabled);
    ok &= file.WriteIniInt("DisableProxy", s.disableProxy);
    ok &= file.WriteIniInt("BufferSize", s.bufferSize);
    ok &= file.WriteIniInt("DNSCacheSize", s.dnsCacheSize);
    ok &= file.WriteIniInt("DNSCacheDisable", s.dnsCacheDisable);
    ok &= file.WriteIniInt("PopupCheckDisabled", s.catching ? 0 : 1);
    ok &= file.WriteIniInt("PlayWave", s.playWave);
    ok &= file.WriteIniInt("ConnectionTimeOut", s.connectionTimeOut);
    ok &= file.WriteIniInt("UseDefaultTimeOut", s.useDefaultTimeOut);
    return ok;
}

}  // namespace popup
