#include "popup/core/halvane_startup.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/testkit/scratch.h"
#include "popup/core/halvane_settings.h"
#include "platform/sync/sync.h"
#include "popup/core/tests/fakes.h"

namespace popup {

using ::testing::_;
using ::testing::HasSubstr;
using ::testing::InSequence;
using ::testing::NiceMock;
using ::testing::Return;
using testkit::DeleteRegValue;
using testkit::RegDword;
using testkit::SetRegDword;
using testkit::SetRegString;

namespace {

class MockSteps : public StartupWindowSteps {
public:
    MOCK_METHOD(void, ReadBrowserState, (BrowserState & state), (override));
    MOCK_METHOD(void, SetProxyAlias, (const std::string& alias), (override));
    MOCK_METHOD(bool, InitSockets, (), (override));
    MOCK_METHOD(void, EnableControlHosting, (), (override));
    MOCK_METHOD(bool, CreateHiddenOwnerWindow, (const std::string& title), (override));
    MOCK_METHOD(void, Enable3dControls, (), (override));
    MOCK_METHOD(void, CreateCounterWindow, (), (override));
    MOCK_METHOD(void, WriteStartupFiles, (), (override));
    MOCK_METHOD(void, SetDialogColours, (), (override));
    MOCK_METHOD(void, ShowTrayNotice, (), (override));
    MOCK_METHOD(void, RunMainSheet, (), (override));
    MOCK_METHOD(std::string, ResourceText, (unsigned id), (override));
};

const char kHosts[] = "windows\\system32\\drivers\\etc\\hosts";

class StartupTest : public ::testing::Test {
protected:
    StartupTest()
        : registry_("halvane-startup"),
          dir_("halvane-startup"),
          hosts_(dir_.path() + "\\windows", true),
          startup_(settings_, browsers_, mutex_, texts_, prompt_, steps_, hosts_) {
        dir_.write(kHosts, "127.0.0.1 localhost\n");
        dir_.file("product\\.");
        SetRegString(HKEY_CURRENT_USER, kProductKey, "Language", "English");
        SetRegString(HKEY_CURRENT_USER, kProductKey, "Path", dir_.path() + "\\product");
        SetRegString(HKEY_CURRENT_USER, kProductKey, "Blocked Popups", "0");
        SetRegString(HKEY_CURRENT_USER, kProductKey, "User Wav Path", "x.wav");
        SetRegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun", 1);
        ON_CALL(steps_, InitSockets()).WillByDefault(Return(true));
        ON_CALL(steps_, CreateHiddenOwnerWindow(_)).WillByDefault(Return(true));
    }

    testkit::ScratchRegistry registry_;
    testkit::ScratchDir dir_;
    CHalvaneSettings settings_;
    BrowserState browsers_;
    sync::InstanceMutex mutex_;
    FakeTexts texts_;
    NiceMock<MockPrompt> prompt_;
    NiceMock<MockSteps> steps_;
    CHostsFile hosts_;
    CHalvaneStartup startup_;
};

}  // namespace

TEST_F(StartupTest, FirstStartRunsEveryStepInOrder) {
    {
        InSequence order;
        EXPECT_CALL(steps_, ReadBrowserState(_));
        EXPECT_CALL(prompt_, Show(HasSubstr("Internet Explorer"), "Velmora Blinkward", _))
            .WillOnce(Return(IDYES));
        EXPECT_CALL(steps_, SetProxyAlias("VelmoraBlinkward"));
        EXPECT_CALL(steps_, InitSockets()).WillOnce(Return(true));
        EXPECT_CALL(steps_, EnableControlHosting());
        EXPECT_CALL(steps_, CreateHiddenOwnerWindow("Velmora Blinkward.com")).WillOnce(Return(true));
        EXPECT_CALL(steps_, Enable3dControls());
        EXPECT_CALL(steps_, CreateCounterWindow());
        EXPECT_CALL(steps_, WriteStartupFiles());
        EXPECT_CALL(steps_, SetDialogColours());
        EXPECT_CALL(steps_, RunMainSheet());
    }
    EXPECT_CALL(steps_, ShowTrayNotice()).Times(0);

    EXPECT_EQ(StartupEnd::MainSheetClosed, startup_.Run());
    EXPECT_EQ(1, settings_.openWizard);
    EXPECT_EQ("127.0.0.1 localhost\n", dir_.read("product\\mHosts"));
    EXPECT_TRUE(dir_.exists("product\\acRs.ini"));
    EXPECT_EQ("127.0.0.1 localhost\n127.0.0.1\tVelmoraBlinkward\n", dir_.read(kHosts));
}

TEST_F(StartupTest, FirstRunIsStoredAsDoneBeforeAnyQuestion) {
    EXPECT_CALL(prompt_, Show(_, _, _)).WillOnce([](const std::string&, const std::string&,
                                                    unsigned) {
        EXPECT_EQ(0, RegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun"));
        return IDNO;
    }).WillOnce(Return(IDOK));
    startup_.Run();
    EXPECT_TRUE(settings_.firstRun);
}

TEST_F(StartupTest, AnEmptyTitleTextTakesTheDefaultTitle) {
    texts_.texts["9999"] = "";
    EXPECT_CALL(steps_, CreateHiddenOwnerWindow("Velmora Blinkward.com")).WillOnce(Return(true));
    EXPECT_EQ(StartupEnd::MainSheetClosed, startup_.Run());
    EXPECT_EQ("Velmora Blinkward.com", mutex_.Name());
}

TEST_F(StartupTest, SecondInstanceEndsSilently) {
    sync::InstanceMutex running;
    ASSERT_TRUE(running.Take("Velmora Blinkward.com"));
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(0);
    EXPECT_CALL(steps_, ReadBrowserState(_)).Times(0);
    EXPECT_CALL(steps_, RunMainSheet()).Times(0);
    EXPECT_EQ(StartupEnd::AnotherInstance, startup_.Run());
    EXPECT_EQ(1, RegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun"));
}

TEST_F(StartupTest, MissingValueEndsWith6001) {
    DeleteRegValue(HKEY_CURRENT_USER, kProductKey, "Blocked Popups");
    EXPECT_CALL(prompt_, Show(HasSubstr("re-install the program"), _, _)).WillOnce(Return(IDOK));
    EXPECT_CALL(steps_, CreateHiddenOwnerWindow(_)).Times(0);
    EXPECT_CALL(steps_, RunMainSheet()).Times(0);
    EXPECT_EQ(StartupEnd::SettingsMissing, startup_.Run());
    EXPECT_FALSE(dir_.exists("product\\mHosts"));
}

TEST_F(StartupTest, FirstRunWithoutAnyHostsFileEnds) {
    CHostsFile nowhere(dir_.path() + "\\nowhere", true);
    CHalvaneStartup startup(settings_, browsers_, mutex_, texts_, prompt_, steps_, nowhere);
    EXPECT_CALL(prompt_, Show(HasSubstr("HOSTS file not found"), "Velmora Blinkward", _))
        .WillOnce(Return(IDOK));
    EXPECT_CALL(steps_, RunMainSheet()).Times(0);
    EXPECT_EQ(StartupEnd::HostsMissing, startup.Run());
}

TEST_F(StartupTest, LaterStartShowsTheTrayNoticeAndTakesNoBackup) {
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun", 0);
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "ShowAtStart", 1);
    {
        InSequence order;
        EXPECT_CALL(steps_, SetDialogColours());
        EXPECT_CALL(steps_, ShowTrayNotice());
        EXPECT_CALL(steps_, RunMainSheet());
    }
    EXPECT_EQ(StartupEnd::MainSheetClosed, startup_.Run());
    EXPECT_FALSE(dir_.exists("product\\mHosts"));
}

TEST_F(StartupTest, UnwritableHostsIsExplainedAndStartUpGoesOn) {
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun", 0);
    settings_.wizardMessage = "N";
    CHostsFile nowhere(dir_.path() + "\\nowhere", true);
    CHalvaneStartup startup(settings_, browsers_, mutex_, texts_, prompt_, steps_, nowhere);
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(::testing::AnyNumber());
    EXPECT_CALL(prompt_, Show(HasSubstr("Can't write to the hosts file, the program may not run "
                                        "correctlyTo perform it manually"),
                              "Velmora Blinkward", MB_OK | MB_ICONINFORMATION))
        .WillOnce(Return(IDOK));
    EXPECT_CALL(steps_, RunMainSheet());
    EXPECT_EQ(StartupEnd::MainSheetClosed, startup.Run());
}

TEST_F(StartupTest, SocketFailureAndHiddenWindowFailureEnd) {
    SetRegDword(HKEY_CURRENT_USER, kProductKey, "FirstRun", 0);
    EXPECT_CALL(steps_, InitSockets()).WillOnce(Return(false)).WillOnce(Return(true));
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(::testing::AnyNumber());
    EXPECT_CALL(steps_, ResourceText(103)).WillOnce(Return("Sockets failed (string 103)"));
    EXPECT_CALL(prompt_, Show("Sockets failed (string 103)", _, _)).WillOnce(Return(IDOK));
    EXPECT_CALL(steps_, RunMainSheet()).Times(0);
    EXPECT_EQ(StartupEnd::SocketsFailed, startup_.Run());

    EXPECT_CALL(steps_, CreateHiddenOwnerWindow(_)).WillOnce(Return(false));
    EXPECT_EQ(StartupEnd::NoHiddenWindow, startup_.Run());
}

}  // namespace popup
