#include "popup/core/first_run_backup.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/testkit/scratch.h"
#include "popup/core/hosts_file.h"
#include "popup/core/tests/fakes.h"

namespace popup {

namespace {

const char kHosts[] = "windows\\system32\\drivers\\etc\\hosts";

void SetPolicy(int zone, const char* action, DWORD value) {
    const std::string key =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\" +
        std::to_string(zone);
    testkit::SetRegDword(HKEY_CURRENT_USER, key, action, value);
}

std::string IniValue(const std::string& file, const char* section, const char* key) {
    char value[64] = "";
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof(value), file.c_str());
    return value;
}

}  // namespace

TEST(BackupHosts, CopiesByteForByteAndNeverOverwrites) {
    testkit::ScratchDir dir("backup-hosts");
    const std::string bytes("127.0.0.1 localhost\r\n\0\xff tail", 27);
    dir.write(kHosts, bytes);
    CHostsFile hosts(dir.path() + "\\windows", true);
    const std::string product = dir.path() + "\\product";
    dir.file("product\\.");  // the folder

    EXPECT_EQ(BackupResult::Written, BackupHosts(hosts, product));
    EXPECT_EQ(bytes, dir.read("product\\mHosts"));

    dir.write(kHosts, "changed since\n");
    EXPECT_EQ(BackupResult::AlreadyThere, BackupHosts(hosts, product));
    EXPECT_EQ(bytes, dir.read("product\\mHosts"));
}

TEST(BackupHosts, NoHostsAnywhereIsReported) {
    testkit::ScratchDir dir("backup-nohosts");
    CHostsFile hosts(dir.path() + "\\missing", true);
    EXPECT_EQ(BackupResult::HostsMissing, BackupHosts(hosts, dir.path()));
    EXPECT_FALSE(dir.exists("mHosts"));
}

TEST(BackupActiveXZones, RecordsValuesSignedAndAbsentValuesAsAbsent) {
    testkit::ScratchRegistry registry("backup-zones");
    testkit::ScratchDir dir("backup-zones");
    SetPolicy(1, "1001", 0);
    SetPolicy(1, "1004", 3);
    SetPolicy(1, "1200", 0xFFFFFFFF);
    SetPolicy(3, "1405", 65536);
    // zone 2 has no key at all; zone 4 an empty one
    SetPolicy(4, "other", 1);

    ASSERT_EQ(BackupResult::Written, BackupActiveXZones(dir.path()));
    const std::string ini = dir.path() + "\\acRs.ini";
    EXPECT_EQ("0", IniValue(ini, "Local Intranet", "1001"));
    EXPECT_EQ("3", IniValue(ini, "Local Intranet", "1004"));
    EXPECT_EQ("<none>", IniValue(ini, "Local Intranet", "1201"));
    EXPECT_EQ("-1", IniValue(ini, "Local Intranet", "1200"));
    EXPECT_EQ("<none>", IniValue(ini, "Local Intranet", "1405"));
    EXPECT_EQ("<none>", IniValue(ini, "Trusted Sites", "1001"));
    EXPECT_EQ("65536", IniValue(ini, "Internet", "1405"));
    EXPECT_EQ("<none>", IniValue(ini, "Internet", "1200"));
    EXPECT_EQ("<none>", IniValue(ini, "Restricted Sites", "1001"));
}

TEST(BackupActiveXZones, ExistingBackupIsKept) {
    testkit::ScratchRegistry registry("backup-zones-kept");
    testkit::ScratchDir dir("backup-zones-kept");
    dir.write("acRs.ini", "[Internet]\r\n1001=3\r\n");
    SetPolicy(3, "1001", 0);
    EXPECT_EQ(BackupResult::AlreadyThere, BackupActiveXZones(dir.path()));
    EXPECT_EQ("[Internet]\r\n1001=3\r\n", dir.read("acRs.ini"));
}

}  // namespace popup
