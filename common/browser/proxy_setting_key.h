#pragma once
// HKCU "Software\Velmora Blinkward\Proxy Setting": the stored copy of the
// configured flags, which the uninstaller reads.
#include "common/registry/reg_key.h"

namespace browser {

constexpr char kProxySettingKey[] = "Software\\Velmora Blinkward\\Proxy Setting";
constexpr char kLanFlag[] = "Lan Is Configured";
constexpr char kDialUpFlag[] = "DialUp Is Configured";
constexpr char kNetscapeFlag[] = "Netscape Is Configured";
constexpr char kOpera6Flag[] = "Opera6 Is Configured";
constexpr char kOpera7Flag[] = "Opera7 Is Configured";

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
