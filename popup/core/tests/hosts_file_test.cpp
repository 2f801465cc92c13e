#include "popup/core/hosts_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/testkit/scratch.h"
#include "common/hosts/hosts_text.h"

namespace popup {

namespace {

const char kHosts[] = "system32\\drivers\\etc\\hosts";

class HostsFileTest : public ::testing::Test {
protected:
    HostsFileTest() : dir_("hosts-file"), hosts_(dir_.path(), true) {
        dir_.file("system32\\drivers\\etc\\.");  // the folder, without a HOSTS file
    }
    DWORD Attributes() const { return GetFileAttributesA(dir_.file(kHosts).c_str()); }

    testkit::ScratchDir dir_;
    CHostsFile hosts_;
};

}  // namespace

TEST_F(HostsFileTest, FamilyChoosesTheLocation) {
    dir_.write("hosts", "1.1.1.1 nine\n");
    CHostsFile nine(dir_.path(), false);
    EXPECT_EQ(dir_.path() + "\\hosts", nine.GetHostsPath());
    EXPECT_TRUE(nine.HostsContains("nine"));
    EXPECT_EQ(dir_.file(kHosts), hosts_.GetHostsPath());
}

TEST_F(HostsFileTest, MissingFileIsMadeFromItsTemplate) {
    dir_.write(std::string(kHosts) + ".sam", "127.0.0.1 localhost\n");
    EXPECT_EQ(dir_.file(kHosts), hosts_.GetHostsPath());
    EXPECT_EQ("127.0.0.1 localhost\n", dir_.read(kHosts));
}

TEST_F(HostsFileTest, WithoutTemplateTheAliasFollowsTheCreatedByLine) {
    EXPECT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    EXPECT_EQ(std::string(hosts::kCreatedByLine) + "127.0.0.1\tVelmoraBlinkward\n",
              dir_.read(kHosts));
}

TEST_F(HostsFileTest, AliasNeverJoinsTheUsersLastLine) {
    dir_.write(kHosts, "127.0.0.1 localhost\r\n10.0.0.1 myVelmoraBlinkward");
    EXPECT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    EXPECT_EQ("127.0.0.1 localhost\r\n10.0.0.1 myVelmoraBlinkward\n127.0.0.1\tVelmoraBlinkward\n",
              dir_.read(kHosts));
}

TEST_F(HostsFileTest, ExistingAliasIsLeftAlone) {
    const std::string text = "10.9.8.7   velmorablinkward   \n";
    dir_.write(kHosts, text);
    SetFileAttributesA(dir_.file(kHosts).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    EXPECT_EQ(text, dir_.read(kHosts));
    EXPECT_EQ(0u, Attributes() & FILE_ATTRIBUTE_READONLY);
}

TEST_F(HostsFileTest, WrittenFileIsReadOnlyHiddenAndSystem) {
    dir_.write(kHosts, "127.0.0.1 localhost\n");
    ASSERT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    const DWORD wanted = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(wanted, Attributes() & wanted);
    // A second start finds its line and writes nothing more.
    EXPECT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    EXPECT_EQ("127.0.0.1 localhost\n127.0.0.1\tVelmoraBlinkward\n", dir_.read(kHosts));
}

TEST_F(HostsFileTest, UnwritableLocationIsReported) {
    CHostsFile nowhere(dir_.path() + "\\no such folder", true);
    EXPECT_EQ("", nowhere.GetHostsPath());
    EXPECT_FALSE(nowhere.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    EXPECT_EQ(AdBlockResult::HostsMissing, nowhere.SetAdBlock(true, dir_.file("hostse")));
}

TEST_F(HostsFileTest, AdBlockAddsAndRemovesItsLinesOnly) {
    dir_.write("hostse", "127.0.0.1\tads.example\n");
    dir_.write(kHosts, "127.0.0.1 localhost\n10.0.0.1 intranet");
    ASSERT_TRUE(hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias));
    const std::string before = dir_.read(kHosts);

    EXPECT_EQ(AdBlockResult::Done, hosts_.SetAdBlock(true, dir_.file("hostse")));
    EXPECT_TRUE(hosts_.HostsContains("ads.example"));
    EXPECT_TRUE(hosts_.HostsContains(kProxyAlias));
    EXPECT_TRUE(hosts_.HostsContains("intranet"));
    EXPECT_TRUE(Attributes() & FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(AdBlockResult::Done, hosts_.SetAdBlock(false, dir_.file("hostse")));
    EXPECT_EQ(before, dir_.read(kHosts));
}

TEST_F(HostsFileTest, MissingAdListChangesNothing) {
    dir_.write(kHosts, "127.0.0.1 localhost\n");
    EXPECT_EQ(AdBlockResult::ListMissing, hosts_.SetAdBlock(true, dir_.file("hostse")));
    EXPECT_EQ("127.0.0.1 localhost\n", dir_.read(kHosts));
}

}  // namespace popup
