#include "popup/pages/activex_page.h"

#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"

namespace popup {

namespace {

const char kZonesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\";

const DWORD kEnable = 0;
const DWORD kPrompt = 1;
const DWORD kDisable = 3;
const DWORD kAdminApproved = 0x10000;

PolicyChoice ChoiceOf(PolicyGroup group, DWORD value) {
    switch (value) {
    case kEnable:
        return PolicyChoice::Enable;
    case kPrompt:
        return PolicyChoice::Prompt;
    case kDisable:
        return PolicyChoice::Disable;
    default:
        return group == kRunActiveX ? PolicyChoice::AdminApproved : PolicyChoice::None;
    }
}

bool ValueOf(PolicyChoice choice, DWORD& value) {
    switch (choice) {
    case PolicyChoice::Enable:
        value = kEnable;
        return true;
    case PolicyChoice::Prompt:
        value = kPrompt;
        return true;
    case PolicyChoice::Disable:
        value = kDisable;
        return true;
    case PolicyChoice::AdminApproved:
        value = kAdminApproved;
        return true;
    case PolicyChoice::None:
        break;
    }
    return false;
}

}  // namespace

const ZoneInfo ActiveXPageModel::kZones[kZoneCount] = {
    {"Local intranet", 141},
    {"Trusted sites", 139},
    {"Internet", 140},
    {"Restricted sites", 142},
};

const char* ActiveXPageModel::UrlAction(PolicyGroup group) {
    static const char* const actions[kPolicyGroupCount] = {"1001", "1004", "1201", "1405", "1200"};
    return actions[group];
}

std::string ActiveXPageModel::ZoneKey() const {
    return kZonesKey + std::to_string(zone_ + 1);
}

void ActiveXPageModel::SelectZone(int index) {
    if (index < 0 || index >= kZoneCount) return;
    zone_ = index;
    ReadZonePolicies();
}

void ActiveXPageModel::ReadZonePolicies() {
    choices_.fill(PolicyChoice::None);
    CRegKey key;
    key.Open(HKEY_CURRENT_USER, ZoneKey().c_str(), KEY_READ);
    for (int g = 0; g < kPolicyGroupCount; ++g) {
        const PolicyGroup group = static_cast<PolicyGroup>(g);
        DWORD value = 0;
        if (key.ReadDword(UrlAction(group), value)) choices_[g] = ChoiceOf(group, value);
    }
    stored_ = choices_;
}

void ActiveXPageModel::SaveZonePolicies() {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, ZoneKey().c_str(), KEY_SET_VALUE)) return;
    CRegKey written;
    written.Create(HKEY_CURRENT_USER, (std::string(suite::blinkward::kZonesSetKey) + "\\" +
                                       std::to_string(zone_ + 1)).c_str());
    for (int g = 0; g < kPolicyGroupCount; ++g) {
        DWORD value = 0;
        const char* action = UrlAction(static_cast<PolicyGroup>(g));
        if (choices_[g] == stored_[g] || !ValueOf(choices_[g], value) ||
            !key.WriteDword(action, value))
            continue;
        stored_[g] = choices_[g];
        written.WriteDword(action, value);
    }
}

void ActiveXPageModel::SetChoice(PolicyGroup group, PolicyChoice choice) {
    if (choice == PolicyChoice::AdminApproved && group != kRunActiveX) return;
    choices_[group] = choice;
}

}  // namespace popup
