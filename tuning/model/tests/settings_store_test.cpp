// Backup, apply and reset on seeded registries of both families: what the
// apply writes, and that a reset gives back every value exactly as it was.
#include "tuning/model/settings_store.h"

#include <gtest/gtest.h>

#include "tuning/model/registry_paths.h"
#include "tuning/model/tests/scratch_tree.h"
#include "tuning/model/tuning_rules.h"

namespace tuning {
namespace {

using test::FaultyRegistry;
using test::ScratchTree;

const std::string kInterfaces = kInterfacesNTKey;
const std::string kNetTrans = std::string(kNetTransKeyPrefix) + "0003";

RegValue Binary(const std::string& bytes) { return {kRegBinary, bytes}; }

// An NT system with three interfaces (an MTU in one), some stack values (one
// of them stored as text) and one Internet Explorer count.
void SeedNT(ScratchTree& tree) {
    tree.SetDword(kStackNTKey, "DefaultTTL", 128);
    tree.SetDword(kStackNTKey, "EnablePMTUDiscovery", 0);
    tree.SetDword(kStackNTKey, "TcpWindowSize", 17520);
    tree.SetText(kStackNTKey, "GlobalMaxTcpWindowSize", "65535");
    tree.SetDword(kStackNTKey, "Hostname-like neighbour", 7);
    tree.SetDword(kInterfaces + "\\{A}", "MTU", 1400);
    tree.SetText(kInterfaces + "\\{B}", "IPAddress", "10.0.0.2");
    tree.SetText(kInterfaces + "\\{C}", "IPAddress", "10.0.0.3");
    tree.Set(Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPerServer", DwordValue(2));
}

// A 9x system whose dial-up adapter is bound to NetTrans 0003, with an MSS
// but no MTU, and stack values as text (one of them not a number, one binary
// and longer than any text buffer).
void Seed9x(ScratchTree& tree) {
    tree.SetText(std::string(kRootNetKey) + "\\0000", "DeviceDesc", "Network adapter");
    tree.SetText(std::string(kRootNetKey) + "\\0001", "DeviceDesc", "Dial-Up Adapter");
    tree.SetText(std::string(kRootNetKey) + "\\0001\\Bindings", "MSTCP\\0002", "");
    tree.SetText(std::string(kMstcpKeyPrefix) + "0002", "Driver", "NetTrans\\0003");
    tree.SetText(kNetTrans, "MaxMSS", "1452");
    tree.SetText(kStack9xKey, "DefaultTTL", "64");
    tree.SetText(kStack9xKey, "DefaultRcvWindow", "auto");
    tree.Set(Hive::LocalMachine, kStack9xKey, "KeepAliveTime", Binary(std::string(300, '\x5a')));
    tree.Set(Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPer1_0Server", DwordValue(4));
}

TuningSettings Chosen(Family family) {
    TuningSettings settings;
    settings.connection = ConnectionType::DSL;
    SetDefaults(settings, family);
    RecommendMtu(settings);
    RecommendRwin(settings);
    settings.pathMtuDiscovery.chosen = 1;
    settings.icmpRedirects.chosen = 0;
    return settings;
}

std::uint32_t DwordOf(Registry& registry, Hive hive, const std::string& key, const char* name) {
    RegValue value;
    std::uint32_t number = 0;
    EXPECT_TRUE(registry.Read(hive, key, name, value) && AsDword(value, number)) << key << "\\" << name;
    return number;
}

std::string TextOf(Registry& registry, const std::string& key, const char* name) {
    RegValue value;
    std::string text;
    EXPECT_TRUE(registry.Read(Hive::LocalMachine, key, name, value) && AsText(value, text)) << name;
    return text;
}

TEST(SettingsStoreTest, NTRoundTripWritesTheNTValuesAndResetGivesBackTheSeed) {
    ScratchTree tree("tuning-store-nt");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    Registry& registry = tree.registry();
    SettingsStore store(registry, Family::NT);

    TuningSettings settings;
    EXPECT_EQ(0, store.BackupOriginalSettings(settings).failures);
    EXPECT_TRUE(settings.ttl.present);
    EXPECT_EQ(128, settings.ttl.prior);
    EXPECT_TRUE(settings.mtu.present);
    EXPECT_EQ(1400, settings.mtu.prior);
    EXPECT_FALSE(settings.mss.present);
    EXPECT_TRUE(settings.pathMtuDiscovery.present);
    EXPECT_EQ(0, settings.pathMtuDiscovery.prior);
    EXPECT_TRUE(settings.http11Connections.present);
    EXPECT_FALSE(settings.http10Connections.present);

    const TuningSettings chosen = Chosen(Family::NT);
    EXPECT_TRUE(store.ApplySettings(chosen, false).Succeeded());
    const std::pair<const char*, std::uint32_t> expected[] = {
        {"SackOpts", 1}, {"Tcp1323Opts", 1}, {"TcpMaxDupAcks", 2}, {"DefaultTTL", 64},
        {"DefaultReceiveWindow", 8192}, {"TcpWindowSize", 255552},
        {"GlobalMaxTcpWindowSize", 255552}, {"EnablePMTUBHDetect", 0},
        {"EnablePMTUDiscovery", 1}, {"KeepAliveTime", 7200000}, {"KeepAliveInterval", 1000},
        {"SYNAttackProtect", 2}, {"EnableICMPRedirects", 0}};
    for (const auto& value : expected)
        EXPECT_EQ(value.second, DwordOf(registry, Hive::LocalMachine, kStackNTKey, value.first))
            << value.first;
    for (const char* interfaceKey : {"\\{A}", "\\{B}", "\\{C}"}) {
        EXPECT_EQ(1492u, DwordOf(registry, Hive::LocalMachine, kInterfaces + interfaceKey, "MTU"));
        EXPECT_EQ(1452u, DwordOf(registry, Hive::LocalMachine, kInterfaces + interfaceKey, "MSS"));
    }
    EXPECT_EQ(20u, DwordOf(registry, Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPer1_0Server"));
    RegValue none;
    for (const char* only9x : {"DefaultRcvWindow", "GlobalMaxTcpWindoSize", "PMTUDiscovery"})
        EXPECT_FALSE(registry.Read(Hive::LocalMachine, kStackNTKey, only9x, none)) << only9x;

    const ResetResult reset = store.ResetSettings();
    EXPECT_TRUE(reset.Succeeded());
    EXPECT_TRUE(reset.backupRemoved);
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, Win9xRoundTripWritesDecimalTextAndResetGivesBackTheSeed) {
    ScratchTree tree("tuning-store-9x");
    Seed9x(tree);
    const test::Snapshot seed = tree.Take();
    Registry& registry = tree.registry();
    SettingsStore store(registry, Family::Win9x);

    TuningSettings settings;
    EXPECT_EQ(0, store.BackupOriginalSettings(settings).failures);
    EXPECT_EQ(64, settings.ttl.prior);
    EXPECT_TRUE(settings.rwin.present);  // text without digits counts as 0
    EXPECT_EQ(0, settings.rwin.prior);
    EXPECT_FALSE(settings.keepAliveTime.present);  // kept in the backup, but not a number
    EXPECT_FALSE(settings.mtu.present);
    EXPECT_EQ(1452, settings.mss.prior);
    RegValue marker;
    std::string text;
    ASSERT_TRUE(registry.Read(Hive::CurrentUser, kBackupMtuKey, "0003", marker));
    EXPECT_TRUE(AsText(marker, text));
    EXPECT_EQ("0", text);

    const TuningSettings chosen = Chosen(Family::Win9x);
    EXPECT_TRUE(store.ApplySettings(chosen, false).Succeeded());
    const std::pair<const char*, const char*> expected[] = {
        {"SackOpts", "1"}, {"Tcp1323Opts", "1"}, {"DefaultTTL", "32"},
        {"DefaultRcvWindow", "255552"}, {"GlobalMaxTcpWindowSize", "255552"},
        {"GlobalMaxTcpWindoSize", "255552"}, {"PMTUBlackHoleDetect", "0"},
        {"PMTUDiscovery", "1"}, {"KeepAliveTime", "7200000"}, {"KeepAliveInterval", "1000"}};
    for (const auto& value : expected)
        EXPECT_EQ(value.second, TextOf(registry, kStack9xKey, value.first)) << value.first;
    EXPECT_EQ("1492", TextOf(registry, kNetTrans, "MaxMTU"));
    EXPECT_EQ("1452", TextOf(registry, kNetTrans, "MaxMSS"));
    EXPECT_EQ(4u, DwordOf(registry, Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPer1_0Server"));
    RegValue none;
    for (const char* onlyNT : {"TcpMaxDupAcks", "SYNAttackProtect", "EnableICMPRedirects", "TcpWindowSize"})
        EXPECT_FALSE(registry.Read(Hive::LocalMachine, kStack9xKey, onlyNT, none)) << onlyNT;

    EXPECT_TRUE(store.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, ResetWithoutBackupSaysSoAndChangesNothing) {
    ScratchTree tree("tuning-store-none");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    SettingsStore store(tree.registry(), Family::NT);
    const ResetResult result = store.ResetSettings();
    EXPECT_TRUE(result.noBackup);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, FailedWritesAreCountedAndTheBackupStaysUntilEveryValueIsBack) {
    ScratchTree tree("tuning-store-faults");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    FaultyRegistry faulty(tree.registry());
    SettingsStore limited(faulty, Family::NT);

    TuningSettings settings;
    limited.BackupOriginalSettings(settings);
    faulty.failingWrites = {"DefaultTTL", "MTU"};
    const ApplyResult applied = limited.ApplySettings(Chosen(Family::NT), false);
    EXPECT_EQ(4, applied.failures);  // DefaultTTL and the MTU of three interfaces

    const ResetResult reset = limited.ResetSettings();
    EXPECT_FALSE(reset.Succeeded());
    EXPECT_EQ(4, reset.failures);
    EXPECT_FALSE(reset.backupRemoved);
    EXPECT_TRUE(limited.HasBackup());

    // With the rights back, the kept backup still leads to the seed.
    SettingsStore full(tree.registry(), Family::NT);
    EXPECT_TRUE(full.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, TheBackupFromBeforeTheFirstApplyIsNeverReplacedByTunedValues) {
    ScratchTree tree("tuning-store-keep");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    SettingsStore store(tree.registry(), Family::NT);

    // A cancelled run leaves a backup that the next opening may replace.
    TuningSettings first;
    store.BackupOriginalSettings(first);
    EXPECT_TRUE(store.BackupWouldBeReplaced());
    TuningSettings second;
    EXPECT_FALSE(store.BackupOriginalSettings(second).kept);
    store.ApplySettings(Chosen(Family::NT), false);

    // Opened again after the apply: the page shows the tuned value, the backup stays.
    EXPECT_FALSE(store.BackupWouldBeReplaced());
    TuningSettings third;
    EXPECT_TRUE(store.BackupOriginalSettings(third).kept);
    EXPECT_EQ(64, third.ttl.prior);
    TuningSettings lan = Chosen(Family::NT);
    lan.ttl.chosen = 100;
    store.ApplySettings(lan, false);

    EXPECT_TRUE(store.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, AValueTheBackupCouldNotCopyIsLeftAsItWasBySetAndReset) {
    ScratchTree tree("tuning-store-uncopied");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    FaultyRegistry faulty(tree.registry());
    SettingsStore store(faulty, Family::NT);

    // The copy of DefaultTTL and both records of interface {A} fail.
    faulty.failingWrites = {"DefaultTTL", "{A}"};
    TuningSettings settings;
    EXPECT_EQ(3, store.BackupOriginalSettings(settings).failures);
    faulty.failingWrites.clear();

    const ApplyResult applied = store.ApplySettings(Chosen(Family::NT), false);
    EXPECT_EQ(0, applied.failures);
    EXPECT_EQ(3, applied.unsaved);
    EXPECT_FALSE(applied.Succeeded());
    EXPECT_EQ(128u, DwordOf(faulty, Hive::LocalMachine, kStackNTKey, "DefaultTTL"));
    EXPECT_EQ(1400u, DwordOf(faulty, Hive::LocalMachine, kInterfaces + "\\{A}", "MTU"));
    EXPECT_EQ(1492u, DwordOf(faulty, Hive::LocalMachine, kInterfaces + "\\{B}", "MTU"));

    EXPECT_TRUE(store.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, KeysRemovedBeforeResetLetTheBackupGoAndSetBacksUpAgain) {
    ScratchTree tree("tuning-store-gone");
    Seed9x(tree);
    Registry& registry = tree.registry();
    SettingsStore store(registry, Family::Win9x);
    TuningSettings settings;
    store.BackupOriginalSettings(settings);
    store.ApplySettings(Chosen(Family::Win9x), false);
    ASSERT_TRUE(registry.DeleteTree(Hive::LocalMachine, kNetTrans));
    ASSERT_TRUE(registry.DeleteTree(Hive::LocalMachine, kStack9xKey));

    const ResetResult reset = store.ResetSettings();
    EXPECT_TRUE(reset.Succeeded());
    EXPECT_TRUE(reset.backupRemoved);
    EXPECT_EQ(4u, DwordOf(registry, Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPer1_0Server"));
    RegValue none;
    EXPECT_FALSE(registry.Read(Hive::CurrentUser, kInternetSettingsKey, "MaxConnectionsPerServer", none));
    EXPECT_TRUE(store.ResetSettings().noBackup);

    TuningSettings again;
    EXPECT_FALSE(store.BackupOriginalSettings(again).kept);
    EXPECT_FALSE(again.ttl.present);
    EXPECT_TRUE(store.BackupWouldBeReplaced());
}

TEST(SettingsStoreTest, InterfacesAddedAfterSetKeepTheirOwnValuesThroughReset) {
    ScratchTree tree("tuning-store-later");
    SeedNT(tree);
    test::Snapshot expected = tree.Take();
    Registry& registry = tree.registry();
    SettingsStore store(registry, Family::NT);
    TuningSettings first;
    store.BackupOriginalSettings(first);
    store.ApplySettings(Chosen(Family::NT), false);

    // {D} comes after the first Set and is tuned by a second one; {E} comes after that.
    tree.SetDword(kInterfaces + "\\{D}", "MTU", 1300);
    TuningSettings second;
    EXPECT_TRUE(store.BackupOriginalSettings(second).kept);
    EXPECT_TRUE(store.ApplySettings(Chosen(Family::NT), false).Succeeded());
    EXPECT_EQ(1492u, DwordOf(registry, Hive::LocalMachine, kInterfaces + "\\{D}", "MTU"));
    tree.SetDword(kInterfaces + "\\{E}", "MTU", 1200);

    EXPECT_TRUE(store.ResetSettings().Succeeded());
    // Snapshots spell the keys as the tree stores them.
    const std::string interfaces = "HKLM\\" + std::string(kStackNTKey) + "\\Interfaces\\";
    expected[interfaces + "{D}|MTU"] = DwordValue(1300);
    expected[interfaces + "{E}|MTU"] = DwordValue(1200);
    EXPECT_EQ(expected, tree.Take());
}

TEST(SettingsStoreTest, BoostedModemsComeBackByteForByteOnReset) {
    ScratchTree tree("tuning-store-modems");
    SeedNT(tree);
    const std::string modems = std::string(kModemClassNTKey) + "\\";
    std::string record(64, '\x3c');
    record[25] = '\xC2';
    record[26] = '\x01';
    tree.Set(Hive::LocalMachine, modems + "0000", "Properties", Binary(record));
    tree.Set(Hive::LocalMachine, modems + "0001", "Properties", Binary(record.substr(0, 40)));
    const test::Snapshot seed = tree.Take();
    FaultyRegistry faulty(tree.registry());
    SettingsStore store(faulty, Family::NT);
    TuningSettings settings;
    store.BackupOriginalSettings(settings);

    // Modem 0001's record cannot be backed up, so the boost leaves it alone.
    faulty.failingWrites = {"0001"};
    const ApplyResult applied = store.ApplySettings(Chosen(Family::NT), true);
    EXPECT_EQ(1, applied.unsaved);
    RegValue boosted;
    ASSERT_TRUE(faulty.Read(Hive::LocalMachine, modems + "0000", "Properties", boosted));
    EXPECT_EQ(std::string("\x0A\x0E", 2), boosted.data.substr(25, 2));
    faulty.failingWrites.clear();

    EXPECT_TRUE(store.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, ABackupFromBeforeAbsentValuesWereRecordedStillRestores) {
    ScratchTree tree("tuning-store-older");
    SeedNT(tree);
    const test::Snapshot seed = tree.Take();
    Registry& registry = tree.registry();
    SettingsStore store(registry, Family::NT);
    TuningSettings settings;
    store.BackupOriginalSettings(settings);
    // What remains is the layout earlier versions wrote: copies only.
    ASSERT_TRUE(registry.DeleteTree(Hive::CurrentUser, kBackupAbsentKey));

    EXPECT_TRUE(store.ApplySettings(Chosen(Family::NT), false).Succeeded());
    EXPECT_TRUE(store.ResetSettings().Succeeded());
    EXPECT_EQ(seed, tree.Take());
}

TEST(SettingsStoreTest, AnUnreadableValueIsNoMissingOneAndAPartlyRemovedBackupReadsAsWritten) {
    ScratchTree tree("tuning-store-unreadable");
    SeedNT(tree);
    test::Snapshot expected = tree.Take();
    FaultyRegistry faulty(tree.registry());
    SettingsStore store(faulty, Family::NT);

    // DefaultTTL is there but cannot be read while the backup is made.
    faulty.failingReads = {"DefaultTTL"};
    TuningSettings settings;
    EXPECT_EQ(1, store.BackupOriginalSettings(settings).failures);
    EXPECT_FALSE(settings.ttl.present);
    faulty.failingReads.clear();
    EXPECT_EQ(1, store.ApplySettings(Chosen(Family::NT), false).unsaved);
    EXPECT_EQ(128u, DwordOf(faulty, Hive::LocalMachine, kStackNTKey, "DefaultTTL"));

    // A copy that cannot be read at Reset keeps the backup, copy included.
    faulty.failingReads = {"EnablePMTUDiscovery"};
    ResetResult reset = store.ResetSettings();
    EXPECT_EQ(1, reset.failures);
    EXPECT_FALSE(reset.backupRemoved);
    faulty.failingReads.clear();
    RegValue copy;
    EXPECT_TRUE(faulty.Read(Hive::CurrentUser, kBackupKey, "EnablePMTUDiscovery", copy));

    // A removal that stops part way keeps the record of absent values: the
    // next Reset still leaves alone the value it never copied and an
    // interface that came later.
    faulty.undeletableKeys = {kBackupMtuKey};
    reset = store.ResetSettings();
    EXPECT_TRUE(reset.Succeeded());
    EXPECT_FALSE(reset.backupRemoved);
    faulty.undeletableKeys.clear();
    tree.SetDword(kInterfaces + "\\{E}", "MTU", 1200);
    reset = store.ResetSettings();
    EXPECT_TRUE(reset.Succeeded());
    EXPECT_TRUE(reset.backupRemoved);
    expected["HKLM\\" + std::string(kStackNTKey) + "\\Interfaces\\{E}|MTU"] = DwordValue(1200);
    EXPECT_EQ(expected, tree.Take());
}

TEST(SettingsStoreTest, LeadingNumberReadsTheDigitsBeforeAnythingElse) {
    EXPECT_EQ(1500, LeadingNumber("1500"));
    EXPECT_EQ(64, LeadingNumber("64 hops"));
    EXPECT_EQ(0, LeadingNumber("auto"));
    EXPECT_EQ(0, LeadingNumber(""));
    EXPECT_EQ(2147483647, LeadingNumber("99999999999999999999"));
}

}  // namespace
}  // namespace tuning
