// "QXINI.ini": the settings a text loads save to a text that loads the same
// settings, and saving those gives the same text again.
#include "fuzz/fuzz_check.h"
#include "popup/engine/engine_settings.h"

namespace {

std::string SavedText(const popup::EngineSettings& settings) {
    std::string text = std::string("[") + popup::kEngineSettingsSection + "]\r\n";
    for (const popup::IniEntry& entry : popup::EngineSettingsEntries(settings))
        text += std::string(entry.key) + "=" + entry.text + "\r\n";
    return text;
}

bool Same(const popup::EngineSettings& a, const popup::EngineSettings& b) {
    return a.popupIP == b.popupIP && a.popupPort == b.popupPort && a.gatewayIP == b.gatewayIP &&
           a.gatewayPort == b.gatewayPort && a.gatewayEnable == b.gatewayEnable &&
           a.bannerBlock == b.bannerBlock && a.startup == b.startup &&
           a.displayOnTop == b.displayOnTop && a.disabled == b.disabled &&
           a.useDefaultBufferSizes == b.useDefaultBufferSizes && a.bufferSize == b.bufferSize &&
           a.dnsCacheSize == b.dnsCacheSize && a.dnsCacheDisable == b.dnsCacheDisable &&
           a.disableProxy == b.disableProxy && a.catching == b.catching &&
           a.playWave == b.playWave && a.connectionTimeOut == b.connectionTimeOut &&
           a.useDefaultTimeOut == b.useDefaultTimeOut;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const popup::EngineSettings loaded =
        popup::ReadEngineSettings(fuzz::Text(data, size), popup::kEngineSettingsSection);
    FUZZ_CHECK(loaded.popupIP.size() < popup::kIniTextBuffer);
    FUZZ_CHECK(loaded.gatewayIP.size() < popup::kIniTextBuffer);

    const std::string saved = SavedText(loaded);
    const popup::EngineSettings again = popup::ReadEngineSettings(saved, popup::kEngineSettingsSection);
    FUZZ_CHECK(Same(loaded, again));
    FUZZ_CHECK(SavedText(again) == saved);
    return 0;
}
