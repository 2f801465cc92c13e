// The browser state read at start and on every page refresh: a stored LAN
// flag lasts only while the LAN settings still name the program's proxy.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/browser/browser_state.h"
#include "common/browser/connection_list.h"
#include "common/suite/blinkward.h"
#include "platform/testkit/scratch.h"
#include "popup/browser_state_reader.h"
#include "popup/core/tests/fakes.h"

namespace popup {
namespace {

namespace bw = suite::blinkward;

class NoOptions : public browser::ConnectionOptionWriter {
public:
    bool SetProxy(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    bool SetDirect(const std::string&) override { return false; }
    void NotifyChanged() override {}
};

TEST(BrowserStateReader, TheStoredLanFlagGoesOnceTheLanNamesAnotherProxy) {
    testkit::ScratchRegistry registry("browser-state-reader");
    FakeTexts texts;
    ::testing::NiceMock<MockPrompt> prompt;
    NoOptions options;
    browser::BrowserState state;
    browser::BrowserEnv env{texts, prompt, state, options, {}, "caption"};
    testkit::SetRegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, bw::kLanFlag, 1);
    testkit::SetRegDword(HKEY_CURRENT_USER, browser::kInternetSettingsKey, "ProxyEnable", 1);
    testkit::SetRegString(HKEY_CURRENT_USER, browser::kInternetSettingsKey, "ProxyServer",
                          browser::kIEProxyString);
    EXPECT_TRUE(ReadBrowserState(env));
    EXPECT_EQ(1, testkit::RegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, bw::kLanFlag));

    testkit::SetRegString(HKEY_CURRENT_USER, browser::kInternetSettingsKey, "ProxyServer",
                          "corp:3128");
    EXPECT_FALSE(ReadBrowserState(env));
    EXPECT_EQ(0, state.LanConfigured);
    EXPECT_EQ(0, testkit::RegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, bw::kLanFlag));
}

}  // namespace
}  // namespace popup
