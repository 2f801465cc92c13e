#include "tuning/model/settings_store.h"

#include <climits>
#include <cstring>
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

// The place in the absent-values key that mirrors a place in the backup key.
std::string AbsentKey(const std::string& backupKey) {
    return kBackupAbsentKey + backupKey.substr(std::strlen(kBackupKey));
}

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

// A mark that cannot be read may be there: the backup stays.
bool SettingsStore::BackupWouldBeReplaced() const {
    RegValue applied;
    return HasBackup() && registry_.Query(Hive::CurrentUser, kBackupKey, kBackupAppliedValue,
                                          applied) == ReadResult::Missing;
}

bool SettingsStore::BackupValue(Hive hive, const std::string& key, const std::string& name,
                                const std::string& backupKey, const std::string& backupName,
                                RegValue& value) {
    const ReadResult found = registry_.Query(hive, key, name, value);
    const Backed backed = BackedAs(backupKey, backupName);
    if (backed == Backed::Unreadable) ++failures_;
    if (backed != Backed::Unknown) return found == ReadResult::Found;
    if (found == ReadResult::Found)
        Save(backupKey, backupName, value);
    else if (found == ReadResult::Missing)
        Save(AbsentKey(backupKey), backupName, TextValue(""));
    else
        // Recorded neither way: Set and Reset leave it alone.
        ++failures_;
    return found == ReadResult::Found;
}

void SettingsStore::Save(const std::string& backupKey, const std::string& backupName,
                         const RegValue& value) {
    if (!registry_.Write(Hive::CurrentUser, backupKey, backupName, value)) ++failures_;
}

SettingsStore::Backed SettingsStore::BackedAs(const std::string& backupKey,
                                              const std::string& backupName,
                                              RegValue* copy) const {
    RegValue value;
    switch (registry_.Query(Hive::CurrentUser, backupKey, backupName, copy ? *copy : value)) {
    case ReadResult::Found: return Backed::Copy;
    case ReadResult::Failed: return Backed::Unreadable;
    case ReadResult::Missing: break;
    }
    // A backup from before absent values were recorded: what it lacks was not there.
    if (!registry_.KeyExists(Hive::CurrentUser, kBackupAbsentKey))
        return HasBackup() ? Backed::Absent : Backed::Unknown;
    switch (registry_.Query(Hive::CurrentUser, AbsentKey(backupKey), backupName, value)) {
    case ReadResult::Found: return Backed::Absent;
    case ReadResult::Failed: return Backed::Unreadable;
    case ReadResult::Missing: break;
    }
    return Backed::Unknown;
}

BackupResult SettingsStore::BackupOriginalSettings(TuningSettings& settings) {
    BackupResult result;
    failures_ = 0;
    result.kept = HasBackup() && !BackupWouldBeReplaced();
    if (!result.kept) {
        registry_.DeleteTree(Hive::CurrentUser, kBackupKey);
        // The absent-values key comes first: a backup without it would stand
        // for every value, the ones it could not copy included.
        if (!registry_.CreateKey(Hive::CurrentUser, kBackupAbsentKey)) {
            registry_.DeleteTree(Hive::CurrentUser, kBackupKey);
            ++failures_;
        } else {
            for (const std::string& key : {std::string(kBackupMtuKey), std::string(kBackupMssKey),
                                           AbsentKey(kBackupMtuKey), AbsentKey(kBackupMssKey)})
                if (!registry_.CreateKey(Hive::CurrentUser, key)) ++failures_;
        }
    }

    Setting* counts[] = {&settings.http10Connections, &settings.http11Connections};
    for (int i = 0; i < 2; ++i) {
        RegValue value;
        if (BackupValue(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[i],
                        kBackupKey, kInternetExplorerValues[i], value))
            SetPrior(*counts[i], value, false);
    }

    const bool nt = family_ == Family::NT;
    if (nt)
        BackupMTUNT(settings);
    else
        BackupMTU9x(settings);
    for (const StackValue& entry : StackValues(family_)) {
        RegValue value;
        if (BackupValue(Hive::LocalMachine, StackKey(family_), entry.name, kBackupKey, entry.name,
                        value) &&
            entry.prior)
            SetPrior(settings.*entry.prior, value, !nt);
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
    const std::string key = NetTransKey(instance);
    if (instance.empty() || !registry_.KeyExists(Hive::LocalMachine, key)) return;
    RegValue value;
    // An adapter without an MTU of its own is stored as "0": the apply and
    // the reset find the adapter by this name. One whose MTU cannot be read
    // is not stored at all, so they leave it alone.
    const ReadResult mtu = registry_.Query(Hive::LocalMachine, key, "MaxMTU", value);
    if (mtu == ReadResult::Found)
        SetPrior(settings.mtu, value, true);
    else
        value = TextValue("0");
    if (mtu == ReadResult::Failed)
        ++failures_;
    else if (BackedAs(kBackupMtuKey, instance) == Backed::Unknown)
        Save(kBackupMtuKey, instance, value);
    if (BackupValue(Hive::LocalMachine, key, "MaxMSS", kBackupMssKey, instance, value))
        SetPrior(settings.mss, value, true);
}

void SettingsStore::Write(Hive hive, const std::string& key, const std::string& name,
                          const RegValue& value) {
    if (!registry_.Write(hive, key, name, value)) ++failures_;
}

void SettingsStore::ApplyValue(Hive hive, const std::string& key, const std::string& name,
                               const std::string& backupKey, const std::string& backupName,
                               const RegValue& value) {
    const Backed backed = BackedAs(backupKey, backupName);
    if (backed == Backed::Copy || backed == Backed::Absent)
        Write(hive, key, name, value);
    else
        ++unsaved_;
}

void SettingsStore::ApplyNumber(Hive hive, const std::string& key, const std::string& name,
                                const std::string& backupKey, const std::string& backupName,
                                int number) {
    const RegValue value = family_ == Family::NT || hive == Hive::CurrentUser
                               ? DwordValue(static_cast<std::uint32_t>(number))
                               : TextValue(std::to_string(number));
    ApplyValue(hive, key, name, backupKey, backupName, value);
}

bool SettingsStore::SaveModem(const std::string& modem, const RegValue& record) {
    RegValue copy;
    switch (registry_.Query(Hive::CurrentUser, kBackupModemKey, modem, copy)) {
    case ReadResult::Found: return true;
    case ReadResult::Failed: return false;
    case ReadResult::Missing: break;
    }
    return HasBackup() && registry_.CreateKey(Hive::CurrentUser, kBackupModemKey) &&
           registry_.Write(Hive::CurrentUser, kBackupModemKey, modem, record);
}

ApplyResult SettingsStore::ApplySettings(const TuningSettings& settings, bool modemFound) {
    failures_ = 0;
    unsaved_ = 0;
    if (modemFound) {
        const BoostResult boost = BoostModemPortSpeed(
            registry_, family_,
            [this](const std::string& modem, const RegValue& record) { return SaveModem(modem, record); });
        failures_ += boost.failures;
        unsaved_ += boost.unsaved;
    }

    if (registry_.KeyExists(Hive::CurrentUser, kInternetSettingsKey)) {
        ApplyNumber(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[0], kBackupKey,
                    kInternetExplorerValues[0], settings.http10Connections.chosen);
        ApplyNumber(Hive::CurrentUser, kInternetSettingsKey, kInternetExplorerValues[1], kBackupKey,
                    kInternetExplorerValues[1], settings.http11Connections.chosen);
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
    // A key that cannot be created fails each write into it.
    registry_.CreateKey(Hive::LocalMachine, stack);
    if (nt) {
        for (const Named& value : valuesNT)
            ApplyNumber(Hive::LocalMachine, stack, value.name, kBackupKey, value.name, value.value);
    } else {
        for (const Named& value : values9x)
            ApplyNumber(Hive::LocalMachine, stack, value.name, kBackupKey, value.name, value.value);
    }
    if (nt)
        ApplyMTUNT(settings);
    else
        ApplyMTU9x(settings);

    if (HasBackup()) Write(Hive::CurrentUser, kBackupKey, kBackupAppliedValue, DwordValue(1));
    ApplyResult result;
    result.failures = failures_;
    result.unsaved = unsaved_;
    return result;
}

void SettingsStore::ApplyMTUNT(const TuningSettings& settings) {
    for (const std::string& name : registry_.SubKeys(Hive::LocalMachine, kInterfacesNTKey)) {
        const std::string key = std::string(kInterfacesNTKey) + "\\" + name;
        ApplyNumber(Hive::LocalMachine, key, "MTU", kBackupMtuKey, name, settings.mtu.chosen);
        ApplyNumber(Hive::LocalMachine, key, "MSS", kBackupMssKey, name, settings.mss.chosen);
    }
}

void SettingsStore::ApplyMTU9x(const TuningSettings& settings) {
    const std::vector<std::string> adapters = registry_.ValueNames(Hive::CurrentUser, kBackupMtuKey);
    if (adapters.empty()) return;
    const std::string& instance = adapters.front();
    ApplyNumber(Hive::LocalMachine, NetTransKey(instance), "MaxMTU", kBackupMtuKey, instance,
                settings.mtu.chosen);
    ApplyNumber(Hive::LocalMachine, NetTransKey(instance), "MaxMSS", kBackupMssKey, instance,
                settings.mss.chosen);
}

void SettingsStore::Restore(Hive hive, const std::string& key, const std::string& name,
                            const std::string& backupKey, const std::string& backupName) {
    RegValue value;
    bool ok = true;
    switch (BackedAs(backupKey, backupName, &value)) {
    case Backed::Copy: ok = registry_.Write(hive, key, name, value); break;
    case Backed::Absent: ok = registry_.DeleteValue(hive, key, name); break;
    case Backed::Unreadable: ok = false; break;
    case Backed::Unknown: break;
    }
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
    ResetModems();
    // A key that no longer exists has nothing left to put back.
    const std::string stack = StackKey(family_);
    if (registry_.KeyExists(Hive::LocalMachine, stack)) {
        for (const StackValue& entry : StackValues(family_))
            Restore(Hive::LocalMachine, stack, entry.name, kBackupKey, entry.name);
    }
    if (failures_ == 0) result.backupRemoved = RemoveBackup();
    result.failures = failures_;
    return result;
}

// Part by part, so that a part left behind still reads as the backup was
// written: the copies first, then the record of absent values (without it
// the rest would read as a backup from before that record existed, whose
// missing copies stand for absent values), the key itself last.
bool SettingsStore::RemoveBackup() {
    const std::string absent = kBackupAbsentKey;
    for (const std::string& sub : registry_.SubKeys(Hive::CurrentUser, kBackupKey)) {
        const std::string key = std::string(kBackupKey) + "\\" + sub;
        if (key != absent && !registry_.DeleteTree(Hive::CurrentUser, key)) return false;
    }
    for (const std::string& name : registry_.ValueNames(Hive::CurrentUser, kBackupKey)) {
        if (!registry_.DeleteValue(Hive::CurrentUser, kBackupKey, name)) return false;
    }
    return registry_.DeleteTree(Hive::CurrentUser, kBackupAbsentKey) &&
           registry_.DeleteTree(Hive::CurrentUser, kBackupKey);
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
    if (!registry_.KeyExists(Hive::LocalMachine, key)) return;
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

void SettingsStore::ResetModems() {
    const std::string classKey = ModemClassKey(family_);
    for (const std::string& modem : registry_.ValueNames(Hive::CurrentUser, kBackupModemKey)) {
        const std::string key = classKey + "\\" + modem;
        if (registry_.KeyExists(Hive::LocalMachine, key))
            Restore(Hive::LocalMachine, key, "Properties", kBackupModemKey, modem);
    }
}

}  // namespace tuning
