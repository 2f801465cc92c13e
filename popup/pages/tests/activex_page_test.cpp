#include "popup/pages/activex_page.h"

#include <gtest/gtest.h>

#include "platform/testkit/scratch.h"

namespace popup {

namespace {

const std::string kZones = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\";

class ActiveXPageTest : public ::testing::Test {
protected:
    ActiveXPageTest() : registry("activex-page") {}

    void Write(int zone, const char* action, DWORD value) {
        testkit::SetRegDword(HKEY_CURRENT_USER, kZones + std::to_string(zone), action, value);
    }
    long long Read(int zone, const char* action) {
        return testkit::RegDword(HKEY_CURRENT_USER, kZones + std::to_string(zone), action);
    }
    void WriteZone(int zone, DWORD value) {
        for (const char* action : {"1001", "1004", "1201", "1405", "1200"}) Write(zone, action, value);
    }

    testkit::ScratchRegistry registry;
    ActiveXPageModel page;
};

TEST_F(ActiveXPageTest, ValuesShowAsTheirChoices) {
    Write(1, "1001", 0);
    Write(1, "1004", 3);
    Write(1, "1201", 1);
    Write(1, "1405", 3);
    Write(1, "1200", 1);
    page.SelectZone(0);
    EXPECT_EQ(PolicyChoice::Enable, page.Choice(kSignedActiveX));
    EXPECT_EQ(PolicyChoice::Disable, page.Choice(kUnsignedActiveX));
    EXPECT_EQ(PolicyChoice::Prompt, page.Choice(kNotMarkedSafe));
    EXPECT_EQ(PolicyChoice::Disable, page.Choice(kMarkedSafe));
    EXPECT_EQ(PolicyChoice::Prompt, page.Choice(kRunActiveX));
}

TEST_F(ActiveXPageTest, OtherRunValuesShowAsAdministratorApprovedAndStayWhileUnchanged) {
    for (DWORD value : {DWORD(0x10000), DWORD(2), DWORD(0x30000)}) {
        Write(3, "1200", value);
        page.SelectZone(2);
        EXPECT_EQ(PolicyChoice::AdminApproved, page.Choice(kRunActiveX)) << value;
        page.SaveZonePolicies();
        EXPECT_EQ(value, Read(3, "1200"));
    }
}

TEST_F(ActiveXPageTest, UnreadableValuesNeverShowThePreviousZonesChoice) {
    WriteZone(1, 3);
    Write(2, "1004", 7);
    page.SelectZone(0);
    page.SelectZone(1);
    for (int g = 0; g < kPolicyGroupCount; ++g)
        EXPECT_EQ(PolicyChoice::None, page.Choice(static_cast<PolicyGroup>(g))) << g;
}

TEST_F(ActiveXPageTest, AGroupWithoutChoiceWritesNothing) {
    Write(2, "1201", 3);
    page.SelectZone(1);
    page.SetChoice(kSignedActiveX, PolicyChoice::Prompt);
    page.SaveZonePolicies();
    EXPECT_EQ(1, Read(2, "1001"));
    EXPECT_EQ(3, Read(2, "1201"));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kZones + "2", "1004"));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kZones + "2", "1405"));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kZones + "2", "1200"));
}

TEST_F(ActiveXPageTest, SwitchingZonesDropsChangesAndWritesOnlyTheZoneOnShow) {
    WriteZone(2, 0);
    WriteZone(3, 1);
    page.SelectZone(1);
    page.SetChoice(kSignedActiveX, PolicyChoice::Disable);
    page.SetChoice(kRunActiveX, PolicyChoice::AdminApproved);
    page.SelectZone(2);
    EXPECT_EQ(PolicyChoice::Prompt, page.Choice(kSignedActiveX));
    page.SetChoice(kMarkedSafe, PolicyChoice::Enable);
    page.SaveZonePolicies();
    EXPECT_EQ(0, Read(2, "1001"));
    EXPECT_EQ(0, Read(2, "1200"));
    EXPECT_EQ(1, Read(3, "1001"));
    EXPECT_EQ(0, Read(3, "1405"));
    EXPECT_EQ(1, Read(3, "1200"));
}

TEST_F(ActiveXPageTest, AMissingZoneKeyWritesNothing) {
    page.SelectZone(3);
    page.SetChoice(kSignedActiveX, PolicyChoice::Enable);
    page.SaveZonePolicies();
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, (kZones + "4").c_str(), 0, KEY_READ, &key));
}

TEST_F(ActiveXPageTest, AdministratorApprovedBelongsToTheRunGroupOnly) {
    page.SetChoice(kSignedActiveX, PolicyChoice::AdminApproved);
    EXPECT_EQ(PolicyChoice::None, page.Choice(kSignedActiveX));
    page.SelectZone(9);
    EXPECT_EQ(0, page.SelectedZone());
}

}  // namespace

}  // namespace popup
