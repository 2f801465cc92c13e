#include "privacy/app/list_texts.h"

#include <ctime>

#include "privacy/core/text_routines.h"
#include "privacy/look/language_texts.h"

namespace privacy {
namespace {

std::string Format(int64_t seconds, const char* format) {
    const time_t at = static_cast<time_t>(seconds);
    const std::tm* local = std::localtime(&at);
    if (local == nullptr) return std::string();
    char text[64] = "";
    const size_t length = std::strftime(text, sizeof text, format, local);
    return std::string(text, length);
}

}  // namespace

std::string AccessText(int64_t when, int64_t now) {
    const std::string day = Format(when, "%b %d,%Y");
    if (EqualsNoCase(day, Format(now, "%b %d,%Y"))) return Format(when, "%I:%M:%S %p");
    return day;
}

std::string BlockedItemsText(const CSiteRecord& site) {
    if (site.useDefaults) return Text(17) + ".";
    if (site.wholeSite) return Text(18) + ".";
    const struct {
        int set;
        int key;
    } options[] = {{site.images, 19}, {site.popups, 20}, {site.userInfo, 21}, {site.hub, 22}};
    std::string text;
    for (const auto& option : options) {
        if (!option.set) continue;
        if (!text.empty()) text += "-";
        text += Text(option.key);
    }
    return (text.empty() ? std::string("Nothing") : text) + ".";
}

std::string EventTypeText(int type) {
    if (type >= kEventConnected && type <= kEventUserInfoBlocked) return Text(26 + type);
    // The hub events' texts came after the first language files, which
    // lack them or leave them empty: those keep the English text.
    if (type == kEventNoHub || type == kEventHubFailed) {
        const int key = 69 + type - kEventNoHub;
        return Text(key).empty() ? DefaultText(key) : Text(key);
    }
    return std::string();
}

}  // namespace privacy
