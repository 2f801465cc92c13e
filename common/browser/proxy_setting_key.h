#pragma once
// HKCU "Software\Velmora Blinkward\Proxy Setting": the stored copy of the
// configured flags, which the uninstaller reads.
#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"

namespace browser {

using suite::blinkward::kProxySettingKey;
using suite::blinkward::kLanFlag;
using suite::blinkward::kDialUpFlag;
using suite::blinkward::kNetscapeFlag;
using suite::blinkward::kOpera6Flag;
using suite::blinkward::kOpera7Flag;

// Created (or opened) for one configure or reset run. When the key cannot be
// created the flags still change in memory; they are just not stored.
class ProxySettingKey {
public:
    ProxySettingKey();
    // Sets the in-memory flag and its stored copy.
    void Set(int& flag, const char* name, int value) const;

private:
    CRegKey key_;
};

}  // namespace browser
