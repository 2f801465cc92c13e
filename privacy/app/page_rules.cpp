#include "privacy/app/page_rules.h"

#include "privacy/app/res/settings_page_res.h"

namespace privacy {

BlockingChoice ChoiceOf(const CSiteRecord& site) {
    BlockingChoice choice;
    choice.useDefaults = site.useDefaults;
    choice.wholeSite = site.wholeSite;
    choice.images = site.images;
    choice.popups = site.popups;
    choice.userInfo = site.userInfo;
    choice.hub = site.hub;
    return choice;
}

void StoreChoice(const BlockingChoice& choice, CSiteRecord& site) {
    site.useDefaults = choice.useDefaults;
    site.wholeSite = choice.wholeSite;
    site.images = choice.images;
    site.popups = choice.popups;
    site.userInfo = choice.userInfo;
    site.hub = choice.hub;
}

BlockingEnables EnablesOf(const BlockingChoice& choice) {
    BlockingEnables enables;
    enables.wholeSite = !choice.useDefaults;
    enables.custom = !choice.useDefaults && !choice.wholeSite;
    return enables;
}

bool ChoiceEmptiesCache(const BlockingChoice& choice) {
    return choice.wholeSite || choice.popups || choice.images;
}

EventRows::Plan EventRows::Next(size_t count, uint64_t dropped) {
    Plan plan;
    plan.rebuild = shown_ == 0 || count < shown_ || dropped != dropped_;
    plan.first = plan.rebuild ? 0 : shown_;
    shown_ = count;
    dropped_ = dropped;
    return plan;
}

BoxEffect ApplyOptionsBox(int id, bool checked, PrivacySettings& settings) {
    const int state = checked ? 1 : 0;
    BlockingOptions& defaults = settings.defaults;
    switch (id) {
    case IDC_DEFAULT_IMAGES:
        defaults.images = state;
        return checked ? BoxEffect::EmptyCache : BoxEffect::None;
    case IDC_DEFAULT_POPUPS:
        defaults.popups = state;
        return checked ? BoxEffect::EmptyCache : BoxEffect::None;
    case IDC_DEFAULT_USER_INFO:
        defaults.cookie = defaults.referer = defaults.userAgent = state;
        return BoxEffect::None;
    case IDC_DEFAULT_HUB:
        defaults.hub = state;
        return BoxEffect::None;
    case IDC_BROWSER_IE:
        settings.browserIE = state;
        break;
    case IDC_BROWSER_NETSCAPE:
        settings.browserNetscape = state;
        break;
    case IDC_BROWSER_OPERA:
        settings.browserOpera = state;
        break;
    default:
        return BoxEffect::None;
    }
    return checked ? BoxEffect::SetUpBrowser : BoxEffect::RestoreBrowser;
}

std::string UpdaterPath(const std::string& programFolder) {
    return programFolder + "\\Update\\Update.exe";
}

}  // namespace privacy
