// What the popup blocker backs up on its first run comes back byte for byte
// and value for value: the zone policies after changes through the ActiveX
// page, HOSTS after the alias and the ad block went in.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/suite/blinkward.h"
#include "platform/testkit/scratch.h"
#include "popup/core/first_run_backup.h"
#include "popup/core/hosts_file.h"
#include "popup/pages/activex_page.h"
#include "uninstall/hosts_restore.h"
#include "uninstall/zone_restore.h"

namespace {

namespace bw = suite::blinkward;
// The popup blocker writes the backups this program restores.
using popup::ActiveXPageModel;
using popup::BackupActiveXZones;
using popup::BackupResult;
using popup::CHostsFile;
using popup::PolicyChoice;
using popup::kRunActiveX;
using popup::kSignedActiveX;
using popup::kUnsignedActiveX;
using popup::AdBlockResult;
using popup::kLoopbackAddress;
using popup::kProxyAlias;
using uninstall::HostsRestore;

const char kZones[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\";
const long kAbsent = -1;

// Zone 2 holds no 1004; zone 3 runs ActiveX "Administrator Approved".
const long kSeed[4][5] = {
    {0, 3, 3, 0, 0},
    {1, kAbsent, 3, 0, 0},
    {1, 3, 3, 65536, 0},
    {3, 3, 3, 3, 3},
};

std::string ZoneKey(int zone) { return kZones + std::to_string(zone); }

long Policy(int zone, int action) {
    const char* name = bw::kZoneActions[action];
    if (!testkit::RegValueExists(HKEY_CURRENT_USER, ZoneKey(zone), name)) return kAbsent;
    return static_cast<long>(testkit::RegDword(HKEY_CURRENT_USER, ZoneKey(zone), name));
}

TEST(ZonePolicyText, ReadsThe32BitDecimalsTheBackupWrites) {
    unsigned long value = 7;
    ASSERT_TRUE(uninstall::ParseZonePolicy("65536", value));
    EXPECT_EQ(65536ul, value);
    ASSERT_TRUE(uninstall::ParseZonePolicy("-1", value));
    EXPECT_EQ(0xFFFFFFFFul, value);
    ASSERT_TRUE(uninstall::ParseZonePolicy("4294967295", value));
    EXPECT_EQ(0xFFFFFFFFul, value);
    for (const char* bad : {"", "-", "abc", "3x", "4294967296", "-2147483649", " 3"})
        EXPECT_FALSE(uninstall::ParseZonePolicy(bad, value)) << bad;
}

class ZoneRoundTrip : public ::testing::Test {
protected:
    ZoneRoundTrip() {
        for (int zone = 1; zone <= 4; ++zone)
            for (int action = 0; action < 5; ++action)
                if (kSeed[zone - 1][action] != kAbsent)
                    testkit::SetRegDword(HKEY_CURRENT_USER, ZoneKey(zone), bw::kZoneActions[action],
                                         static_cast<DWORD>(kSeed[zone - 1][action]));
    }

    testkit::ScratchRegistry reg_{"zone-round-trip"};
    testkit::ScratchDir dir_{"zone-round-trip"};
};

TEST_F(ZoneRoundTrip, RestoreGivesBackTheSeedAfterPageChanges) {
    ASSERT_EQ(BackupResult::Written, BackupActiveXZones(dir_.path()));
    ActiveXPageModel page;
    page.SelectZone(1);
    page.SetChoice(kUnsignedActiveX, PolicyChoice::Enable);
    page.SaveZonePolicies();
    page.SelectZone(2);
    page.SetChoice(kRunActiveX, PolicyChoice::Enable);
    page.SetChoice(kSignedActiveX, PolicyChoice::Disable);
    page.SaveZonePolicies();
    ASSERT_EQ(0, Policy(2, 1));
    ASSERT_EQ(0, Policy(3, 3));

    ASSERT_TRUE(uninstall::RestoreActiveXZones(dir_.file(bw::kZoneBackupFile)));
    for (int zone = 1; zone <= 4; ++zone)
        for (int action = 0; action < 5; ++action)
            EXPECT_EQ(kSeed[zone - 1][action], Policy(zone, action))
                << "zone " << zone << " action " << bw::kZoneActions[action];
}

TEST_F(ZoneRoundTrip, PoliciesTheUserChangedSinceStayAsHeLeftThem) {
    ASSERT_EQ(BackupResult::Written, BackupActiveXZones(dir_.path()));
    ActiveXPageModel page;
    page.SelectZone(2);
    page.SetChoice(kRunActiveX, PolicyChoice::Enable);
    page.SetChoice(kSignedActiveX, PolicyChoice::Disable);
    page.SaveZonePolicies();
    // Later, in the browser's own settings: zone 3's signed ActiveX back to
    // prompt and its unsafe controls enabled, and zone 4 (never touched by
    // the blocker) relaxed; then another of zone 3's policies on the page.
    testkit::SetRegDword(HKEY_CURRENT_USER, ZoneKey(3), "1001", 1);
    testkit::SetRegDword(HKEY_CURRENT_USER, ZoneKey(3), "1201", 0);
    testkit::SetRegDword(HKEY_CURRENT_USER, ZoneKey(4), "1201", 0);
    page.SelectZone(2);
    page.SetChoice(kUnsignedActiveX, PolicyChoice::Enable);
    page.SaveZonePolicies();

    ASSERT_TRUE(uninstall::RestoreActiveXZones(dir_.file(bw::kZoneBackupFile)));
    EXPECT_EQ(1, Policy(3, 0));
    EXPECT_EQ(3, Policy(3, 1));
    EXPECT_EQ(0, Policy(3, 2));
    EXPECT_EQ(65536, Policy(3, 3));
    EXPECT_EQ(0, Policy(4, 2));
}

TEST_F(ZoneRoundTrip, AnUnreadableValueLeavesThePolicyAlone) {
    ActiveXPageModel page;
    page.SelectZone(2);
    page.SetChoice(kSignedActiveX, PolicyChoice::Disable);
    page.SetChoice(kUnsignedActiveX, PolicyChoice::Prompt);
    page.SaveZonePolicies();
    dir_.write(bw::kZoneBackupFile,
               "[Internet]\r\n1001=abc\r\n1004=0\r\n1201=3\r\n1200=65536\r\n1405=0\r\n");
    ASSERT_TRUE(uninstall::RestoreActiveXZones(dir_.file(bw::kZoneBackupFile)));
    EXPECT_EQ(3, Policy(3, 0));
    EXPECT_EQ(0, Policy(3, 1));
    EXPECT_FALSE(uninstall::RestoreActiveXZones(dir_.file("missing.ini")));
}

class HostsRoundTrip : public ::testing::Test {
protected:
    std::string Windows() const { return dir_.file("win"); }
    std::string Hosts() const { return dir_.file("win\\system32\\drivers\\etc\\hosts"); }
    std::string Backup() const { return dir_.file("prog\\mHosts"); }
    std::string Read(const std::string& path) const {
        return dir_.read(path.substr(dir_.path().size() + 1));
    }
    HostsRestore Restore(const std::string& target) const {
        return uninstall::RestoreHosts(Backup(), target, kProxyAlias);
    }

    testkit::ScratchDir dir_{"hosts-round-trip"};
    const std::string original_ = "# the user's own\r\n127.0.0.1\tlocalhost\r\n10.0.0.1 nas\r\n";
};

TEST_F(HostsRoundTrip, LinesAddedAfterTheFirstRunSurviveTheAliasAndTheBlockGo) {
    dir_.write("win\\system32\\drivers\\etc\\hosts", original_);
    dir_.write("prog\\ads.txt", "127.0.0.1 ads.example\r\n");
    const CHostsFile hosts(Windows(), true);
    ASSERT_EQ(BackupResult::Written, BackupHosts(hosts, dir_.file("prog")));
    ASSERT_TRUE(hosts.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    ASSERT_EQ(AdBlockResult::Done, hosts.SetAdBlock(true, dir_.file("prog\\ads.txt")));
    const std::string later = "10.0.0.9 added-later\r\n";
    SetFileAttributesA(Hosts().c_str(), FILE_ATTRIBUTE_NORMAL);
    dir_.write("win\\system32\\drivers\\etc\\hosts", Read(Hosts()) + later);

    const std::string target = uninstall::FindHostsFile(Windows(), true);
    ASSERT_EQ(Hosts(), target);
    EXPECT_EQ(HostsRestore::Restored, Restore(target));
    EXPECT_EQ(original_ + later, Read(Hosts()));
    EXPECT_FALSE(dir_.exists("prog\\mHosts"));
    const DWORD wanted = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_EQ(wanted, GetFileAttributesA(Hosts().c_str()) & wanted);
}

TEST_F(HostsRoundTrip, AMissingHostsComesBackAsHostsAndTheTemplateStaysAsItWas) {
    dir_.write("win\\hosts.sam", original_);
    const std::string target = uninstall::FindHostsFile(Windows(), false);
    ASSERT_EQ(dir_.file("win\\hosts"), target);
    EXPECT_EQ("", uninstall::FindHostsFile(Windows(), true));
    EXPECT_EQ(HostsRestore::NoBackup, Restore(target));
    EXPECT_FALSE(dir_.exists("win\\hosts"));

    dir_.write("prog\\mHosts", "backup");
    EXPECT_EQ(HostsRestore::Restored, Restore(target));
    EXPECT_EQ("backup", Read(target));
    EXPECT_EQ(original_, dir_.read("win\\hosts.sam"));
    EXPECT_EQ(0u, GetFileAttributesA(dir_.file("win\\hosts.sam").c_str()) &
                      (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST_F(HostsRoundTrip, AFailedWriteLosesNothing) {
    const std::string ours = original_ + "127.0.0.1\tVelmoraBlinkward\n";
    dir_.write("win\\system32\\drivers\\etc\\hosts", ours);
    dir_.write("prog\\mHosts", "backup");
    // HOSTS held open without sharing: it cannot be replaced.
    HANDLE held = CreateFileA(Hosts().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(HostsRestore::WriteFailed, Restore(Hosts()));
    CloseHandle(held);
    EXPECT_EQ(ours, Read(Hosts()));
    EXPECT_EQ("backup", dir_.read("prog\\mHosts"));
}

}  // namespace
