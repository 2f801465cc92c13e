#include <cstdio>

#include "common/lang/profile_text.h"
#include "popup/engine/engine_settings.h"

namespace popup {

EngineSettings ReadEngineSettings(const std::string& fileText, const std::string& section) {
    const auto text = [&](const char* key, const std::string& def) {
        return lang::ProfileString(fileText, section, key, def, kIniTextBuffer);
    };
    const auto number = [&](const char* key, int def) {
        return lang::ProfileInt(fileText, section, key, def);
    };
    EngineSettings d;
    EngineSettings s;
    s.popupIP = text("PopupIP", d.popupIP);
    s.popupPort = number("PopupPort", d.popupPort);
    s.gatewayIP = text("GatewayIP", d.gatewayIP);
    s.gatewayPort = number("GatewayPort", d.gatewayPort);
    s.gatewayEnable = number("GatewayEnable", d.gatewayEnable);
    s.bannerBlock = number("BannerBlock", d.bannerBlock);
    s.startup = number("Startup", d.startup);
    s.eventMask = number("EventMask", d.eventMask);
    s.displayOnTop = number("DisplayOnTop", d.displayOnTop);
    s.disabled = number("Disabled", d.disabled);
    s.useDefaultBufferSizes = number("UseDefaultBufferSizes", d.useDefaultBufferSizes);
    s.bufferSize = number("BufferSize", d.bufferSize);
    s.dnsCacheSize = number("DNSCacheSize", d.dnsCacheSize);
    s.dnsCacheDisable = number("DNSCacheDisable", d.dnsCacheDisable);
    s.disableProxy = number("DisableProxy", d.disableProxy);
    s.catching = number("PopupCheckDisabled", 0) == 0;
    s.playWave = number("PlayWave", d.playWave);
    s.connectionTimeOut = number("ConnectionTimeOut", d.connectionTimeOut);
    s.useDefaultTimeOut = number("UseDefaultTimeOut", d.useDefaultTimeOut);
    return s;
}

namespace {

// An integer as written: unsigned decimal, so -1 is 4294967295, which
// reads back as -1.
std::string IniIntText(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::vector<IniEntry> EngineSettingsEntries(const EngineSettings& s) {
    return {{"PopupIP", lang::ProfileValueText(s.popupIP)},
            {"PopupPort", IniIntText(s.popupPort)},
            {"GatewayIP", lang::ProfileValueText(s.gatewayIP)},
            {"GatewayPort", IniIntText(s.gatewayPort)},
            {"GatewayEnable", IniIntText(s.gatewayEnable)},
            {"BannerBlock", IniIntText(s.bannerBlock)},
            {"Startup", IniIntText(s.startup)},
            {"DisplayOnTop", IniIntText(s.displayOnTop)},
            {"ResetStats", IniIntText(0)},
            {"UseDefaultBufferSizes", IniIntText(s.useDefaultBufferSizes)},
            {"Disabled", IniIntText(s.disabled)},
            {"DisableProxy", IniIntText(s.disableProxy)},
            {"BufferSize", IniIntText(s.bufferSize)},
            {"DNSCacheSize", IniIntText(s.dnsCacheSize)},
            {"DNSCacheDisable", IniIntText(s.dnsCacheDisable)},
            {"PopupCheckDisabled", IniIntText(s.catching ? 0 : 1)},
            {"PlayWave", IniIntText(s.playWave)},
            {"ConnectionTimeOut", IniIntText(s.connectionTimeOut)},
            {"UseDefaultTimeOut", IniIntText(s.useDefaultTimeOut)}};
}

}  // namespace popup
