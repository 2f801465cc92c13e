#include "tuning/model/settings_store.h"

#include <climits>
#include <iterator>
#include <string>
#include <vector>

#include "tuning/model/modem_boost.h"
#include "tuning/model/registry_paths.h"

namespace tuning {
namespace {

// One stack value: its name and, when a page shows it, the setting whose
// prior value it fills.
struct StackValue {
    const char* name;
    Setting TuningSettings::*prior;
};

const StackValue kStackNT[] = {
    {"SackOpts", nullptr},
    {"Tcp1323Opts", nullptr},
    {"GlobalMaxTcpWindowSize", nullptr},
    {"TcpMaxDupAcks", nullptr},
    {"DefaultTTL", &TuningSettings::ttl},
    {"TcpWindowSize", &TuningSettings::rwin},
    {"DefaultReceiveWindow", nullptr},
    {"EnablePMTUBHDetect", &TuningSettings::blackHoleDetection},
    {"EnablePMTUDiscovery", &TuningSettings::pathMtuDiscovery},
    {"KeepAliveTime", &TuningSettings::keepAliveTime},
    {"KeepAliveInterval", &TuningSettings::keepAliveInterval},
    {"SYNAttackProtect", &TuningSettings::synProtect},
    {"EnableICMPRedirects", &TuningSettings::icmpRedirects},
};

const StackValue kStack9x[] = {
    {"SackOpts", nullptr},
    {"Tcp1323Opts", nullptr},
    {"DefaultTTL", &TuningSettings::ttl},
    {"DefaultRcvWindow", &TuningSettings::rwin},
    {"GlobalMaxTcpWindowSize", nullptr},
    // A second spelling the 9x stack is also given.
    {"GlobalMaxTcpWindoSize", nullptr},
    {"PMTUBlackHoleDetect", &TuningSettings::blackHoleDetection},
    {"PMTUDiscovery", &TuningSettings::pathMtuDiscovery},
    {"KeepAliveTime", &TuningSettings::keepAliveTime},
    {"KeepAliveInterval", &TuningSettings::keepAliveInterval},
};

const char* const kInternetExplorerValues[] = {"MaxConnectionsPer1_0Server",
                                               "MaxConnectionsPerServer"};

// The number a page shows for a value found in the system: a DWORD on NT
// and for Internet Explorer, decimal text on 9x; false for anything else.
bool PriorNumber(const RegValue& value, bool text, int& number) {
    std::string digits;
    std::uint32_t dword = 0;
    if (text && AsText(value, digits)) {
        number = LeadingNumber(digits);
        return true;
    }
    if (!text && AsDword(value, dword)) {
        number = static_cast<int>(dword);
        return true;
    }
    return false;
}

void SetPrior(Setting& setting, const RegValue& value, bool text) {
    int number = 0;
    if (!PriorNumber(value, text, number)) return;
    setting.prior = number;
    setting.present = true;
}

std::string LastFour(const std::string& text) {
    return text.size() >= 4 ? text.substr(text.size() - 4) : std::string();
}

// The stack values of a family, for a range loop.
struct StackTable {
    const StackValue* first;
    const StackValue* last;
    const StackValue* begin() const { return first; }
    const StackValue* end() const { return last; }
};

StackTable StackValues(Family family) {
    if (family == Family::NT) return {std::begin(kStackNT), std::end(kStackNT)};
    return {std::begin(kStack9x), std::end(kStack9x)};
}

const char* StackKey(Family family) { return family == Family::NT ? kStackNTKey : kStack9xKey; }

std::string NetTransKey(const std::string& instance) { return kNetTransKeyPrefix + instance; }

}  // namespace

int LeadingNumber(const std::string& text) {
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(number);
}

bool SettingsStore::HasBackup() const { return registry_.KeyExists(Hive::CurrentUser, kBackupKey); }

bool SettingsStore::BackupWouldBeReplaced() const {
    RegValue applied;
    return HasBackup() &&
           !registry_.Read(Hive::CurrentUser, kBackupKey, kBackupAppliedValue, applied);
}

bool SettingsStore::BackupValue(Hive hive, const std::string& key, const std::string& name,
                                const std::string& backupKey, const std::string& backupName,
                                RegValue& value) {
    if (!registry_.Read(hive, key, name, value)) return false;
    if (writeBackup_ && !registry_.Write(Hive::CurrentUser, backupKey, backupName, value))
        ++failures_;
    return true;
}

BackupResult SettingsStore::BackupOriginalSettings(TuningSettings& settings) {
    BackupResult result;
    failures_ = 0;
    result.kept = HasBackup() && !BackupWouldBeReplaced();
    writeBackup_ = !result.kept;
    if (writeBackup_) {
        registry_.DeleteTree(Hive::CurrentUser, kBackupKey);
        if (!registry_.CreateKey(Hive::CurrentUser, kBackupMtuKey)) ++failures_;
        if (!registry_.CreateKey(Hive::CurrentUser, kBackupMssKey)) ++failures_;
    }

    if (registry_.KeyExists(Hive::CurrentUser, kInternetSettingsKey)) {
        Setting* counts[] = {&settings.http10Connections, &settings.http11Connections};
        for (int i = 0; i < 2; ++i) {
            RegValue value;
            if (BackupValue(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[i],
                            kBackupKey, kInternetExplorerValues[i], value))
                SetPrior(*counts[i], value, false);
        }
    }

    const bool nt = family_ == Family::NT;
    if (nt)
        BackupMTUNT(settings);
    else
        BackupMTU9x(settings);
    if (registry_.KeyExists(Hive::LocalMachine, StackKey(family_))) {
        for (const StackValue& entry : StackValues(family_)) {
            RegValue value;
            if (BackupValue(Hive::LocalMachine, StackKey(family_), entry.name, kBackupKey,
                            entry.name, value) &&
                entry.prior)
                SetPrior(settings.*entry.prior, value, !nt);
        }
    }
    result.failures = failures_;
    return result;
}

void SettingsStore::BackupMTUNT(TuningSettings& settings) {
    for (const std::string& name : registry_.SubKeys(Hive::LocalMachine, kInterfacesNTKey)) {
        const std::string key = std::string(kInterfacesNTKey) + "\\" + name;
        RegValue value;
        if (BackupValue(Hive::LocalMachine, key, "MTU", kBackupMtuKey, name, value))
            SetPrior(settings.mtu, value, false);
        if (BackupValue(Hive::LocalMachine, key, "MSS", kBackupMssKey, name, value))
            SetPrior(settings.mss, value, false);
    }
}

std::string SettingsStore::FindDialUpNetTrans() const {
    for (const std::string& adapter : registry_.SubKeys(Hive::LocalMachine, kRootNetKey)) {
        const std::string key = std::string(kRootNetKey) + "\\" + adapter;
        RegValue description;
        std::string text;
        if (!registry_.Read(Hive::LocalMachine, key, "DeviceDesc", description) ||
            !AsText(description, text) || text != kDialUpAdapter)
            continue;
        std::string mstcp;
        for (const std::string& binding : registry_.ValueNames(Hive::LocalMachine, key + "\\Bindings")) {
            if (binding.find("MSTCP\\") != std::string::npos) {
                mstcp = LastFour(binding);
                break;
            }
        }
        RegValue driver;
        if (mstcp.empty() ||
            !registry_.Read(Hive::LocalMachine, kMstcpKeyPrefix + mstcp, "Driver", driver) ||
            !AsText(driver, text) || text.find("NetTrans\\") == std::string::npos)
            return std::string();
        return LastFour(text);
    }
    return std::string();
}

void SettingsStore::BackupMTU9x(TuningSettings& settings) {
    const std::string instance = FindDialUpNetTrans();
    if (instance.empty() || !registry_.KeyExists(Hive::LocalMachine, NetTransKey(instance))) return;
    RegValue value;
    if (BackupValue(Hive::LocalMachine, NetTransKey(instance), "MaxMTU", kBackupMtuKey, instance,
                    value)) {
        SetPrior(settings.mtu, value, true);
    } else if (writeBackup_ &&
               !registry_.Write(Hive::CurrentUser, kBackupMtuKey, instance, TextValue("0"))) {
        // "0" marks the adapter as found without an MTU of its own.
        ++failures_;
    }
    if (BackupValue(Hive::LocalMachine, NetTransKey(instance), "MaxMSS", kBackupMssKey, instance,
                    value))
        SetPrior(settings.mss, value, true);
}

void SettingsStore::Write(Hive hive, const std::string& key, const std::string& name,
                          const RegValue& value) {
    if (!registry_.Write(hive, key, name, value)) ++failures_;
}

void SettingsStore::WriteNumber(Hive hive, const std::string& key, const std::string& name,
                                int number) {
    if (family_ == Family::NT || hive == Hive::CurrentUser)
        Write(hive, key, name, DwordValue(static_cast<std::uint32_t>(number)));
    else
        Write(hive, key, name, TextValue(std::to_string(number)));
}

ApplyResult SettingsStore::ApplySettings(const TuningSettings& settings, bool modemFound) {
    failures_ = 0;
    if (modemFound) failures_ += BoostModemPortSpeed(registry_, family_).failures;

    if (registry_.KeyExists(Hive::CurrentUser, kInternetSettingsKey)) {
        WriteNumber(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[0],
                    settings.http10Connections.chosen);
        WriteNumber(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[1],
                    settings.http11Connections.chosen);
    }

    const bool nt = family_ == Family::NT;
    const std::string stack = StackKey(family_);
    const int rwin = settings.rwin.chosen;
    struct Named {
        const char* name;
        int value;
    };
    const Named valuesNT[] = {
        {"SackOpts", 1},
        {"Tcp1323Opts", 1},
        {"TcpMaxDupAcks", 2},
        {"DefaultTTL", settings.ttl.chosen},
        {"DefaultReceiveWindow", 8192},
        {"TcpWindowSize", rwin},
        {"GlobalMaxTcpWindowSize", rwin},
        {"EnablePMTUBHDetect", settings.blackHoleDetection.chosen},
        {"EnablePMTUDiscovery", settings.pathMtuDiscovery.chosen},
        {"KeepAliveTime", settings.keepAliveTime.chosen},
        {"KeepAliveInterval", settings.keepAliveInterval.chosen},
        {"SYNAttackProtect", settings.synProtect.chosen},
        {"EnableICMPRedirects", settings.icmpRedirects.chosen},
    };
    const Named values9x[] = {
        {"SackOpts", 1},
        {"Tcp1323Opts", 1},
        {"DefaultTTL", settings.ttl.chosen},
        {"DefaultRcvWindow", rwin},
        {"GlobalMaxTcpWindowSize", rwin},
        {"GlobalMaxTcpWindoSize", rwin},
        {"PMTUBlackHoleDetect", settings.blackHoleDetection.chosen},
        {"PMTUDiscovery", settings.pathMtuDiscovery.chosen},
        {"KeepAliveTime", settings.keepAliveTime.chosen},
        {"KeepAliveInterval", settings.keepAliveInterval.chosen},
    };
    if (!registry_.CreateKey(Hive::LocalMachine, stack)) {
        failures_ += nt ? static_cast<int>(std::size(valuesNT)) : static_cast<int>(std::size(values9x));
    } else if (nt) {
        for (const Named& value : valuesNT) WriteNumber(Hive::LocalMachine, stack, value.name, value.value);
    } else {
        for (const Named& value : values9x) WriteNumber(Hive::LocalMachine, stack, value.name, value.value);
    }
    if (nt)
        ApplyMTUNT(settings);
    else
        ApplyMTU9x(settings);

    if (HasBackup()) Write(Hive::CurrentUser, kBackupKey, kBackupAppliedValue, DwordValue(1));
    ApplyResult result;
    result.failures = failures_;
    return result;
}

void SettingsStore::ApplyMTUNT(const TuningSettings& settings) {
    for (const std::string& name : registry_.SubKeys(Hive::LocalMachine, kInterfacesNTKey)) {
        const std::string key = std::string(kInterfacesNTKey) + "\\" + name;
        WriteNumber(Hive::LocalMachine, key, "MTU", settings.mtu.chosen);
        WriteNumber(Hive::LocalMachine, key, "MSS", settings.mss.chosen);
    }
}

void SettingsStore::ApplyMTU9x(const TuningSettings& settings) {
    const std::vector<std::string> adapters = registry_.ValueNames(Hive::CurrentUser, kBackupMtuKey);
    if (adapters.empty()) return;
    WriteNumber(Hive::LocalMachine, NetTransKey(adapters.front()), "MaxMTU", settings.mtu.chosen);
    WriteNumber(Hive::LocalMachine, NetTransKey(adapters.front()), "MaxMSS", settings.mss.chosen);
}

void SettingsStore::Restore(Hive hive, const std::string& key, const std::string& name,
                            const std::string& backupKey, const std::string& backupName) {
    RegValue value;
    const bool ok = registry_.Read(Hive::CurrentUser, backupKey, backupName, value)
                        ? registry_.Write(hive, key, name, value)
                        : registry_.DeleteValue(hive, key, name);
    if (!ok) ++failures_;
}

ResetResult SettingsStore::ResetSettings() {
    ResetResult result;
    if (!HasBackup()) {
        result.noBackup = true;
        return result;
    }
    failures_ = 0;
    if (registry_.KeyExists(Hive::CurrentUser, kInternetSettingsKey)) {
        for (const char* name : kInternetExplorerValues)
            Restore(Hive::CurrentUser, kInternetSettingsKey, name, kBackupKey, name);
    }
    if (family_ == Family::NT)
        ResetMTUNT();
    else
        ResetMTU9x();
    const std::string stack = StackKey(family_);
    if (!registry_.KeyExists(Hive::LocalMachine, stack)) {
        ++failures_;
    } else {
        for (const StackValue& entry : StackValues(family_))
            Restore(Hive::LocalMachine, stack, entry.name, kBackupKey, entry.name);
    }
    if (failures_ == 0) result.backupRemoved = registry_.DeleteTree(Hive::CurrentUser, kBackupKey);
    result.failures = failures_;
    return result;
}

void SettingsStore::ResetMTUNT() {
    for (const std::string& name : registry_.SubKeys(Hive::LocalMachine, kInterfacesNTKey)) {
        const std::string key = std::string(kInterfacesNTKey) + "\\" + name;
        Restore(Hive::LocalMachine, key, "MTU", kBackupMtuKey, name);
        Restore(Hive::LocalMachine, key, "MSS", kBackupMssKey, name);
    }
}

void SettingsStore::ResetMTU9x() {
    const std::vector<std::string> adapters = registry_.ValueNames(Hive::CurrentUser, kBackupMtuKey);
    if (adapters.empty()) return;
    const std::string& instance = adapters.front();
    const std::string key = NetTransKey(instance);
    if (!registry_.KeyExists(Hive::LocalMachine, key)) {
        ++failures_;
        return;
    }
    RegValue mtu;
    std::string text;
    registry_.Read(Hive::CurrentUser, kBackupMtuKey, instance, mtu);
    if (AsText(mtu, text) && text == "0") {
        if (!registry_.DeleteValue(Hive::LocalMachine, key, "MaxMTU")) ++failures_;
    } else {
        Restore(Hive::LocalMachine, key, "MaxMTU", kBackupMtuKey, instance);
    }
    Restore(Hive::LocalMachine, key, "MaxMSS", kBackupMssKey, instance);
}

}  // namespace tuning
