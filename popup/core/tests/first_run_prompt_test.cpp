#include "popup/core/first_run_prompt.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "popup/core/halvane_settings.h"
#include "popup/core/tests/fakes.h"

namespace popup {

using ::testing::_;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Return;
using ::testing::StartsWith;

namespace {

// The browsers behind each bit of the mask left unconfigured.
BrowserState StateFor(int mask) {
    BrowserState state;
    state.LanConfigured = (mask & 1) ? 0 : 1;
    state.Opera6Installed = (mask & 2) ? 1 : 0;
    state.Opera7Installed = (mask & 4) ? 1 : 0;
    state.NetscapeInstalled = (mask & 8) ? 1 : 0;
    return state;
}

const char* const kKeyOfMask[16] = {nullptr, "19000", "19001", "19004", "19002", "19005",
                                    "19007", nullptr,  "19003", "19006", "19008", "19015",
                                    "19009", "19016", "19010", "19011"};

}  // namespace

TEST(BrowserMask, EachUnconfiguredBrowserHasItsBit) {
    for (int mask = 0; mask < 16; ++mask) EXPECT_EQ(mask, UnconfiguredBrowserMask(StateFor(mask)));
    BrowserState state;
    state.DialUpConfigured = 1;
    state.Opera6Installed = state.Opera6Configured = 1;
    state.NetscapeConfigured = 1;  // configured but not installed
    EXPECT_EQ(0, UnconfiguredBrowserMask(state));
}

TEST(FirstRunPrompt, AllSixteenMasks) {
    FakeTexts texts;
    for (int mask = 0; mask < 16; ++mask) {
        SCOPED_TRACE(mask);
        // Each message read from the language file names its own key.
        if (kKeyOfMask[mask]) texts.texts[kKeyOfMask[mask]] = std::string("text ") + kKeyOfMask[mask];
        MockPrompt prompt;
        CHalvaneSettings settings;
        settings.openWizard = 1;
        if (kKeyOfMask[mask]) {
            EXPECT_CALL(prompt, Show(StartsWith(std::string("text ") + kKeyOfMask[mask] +
                                                "\r\nNOTE: The program will not work"),
                                     "Title", MB_YESNO | MB_ICONINFORMATION))
                .WillOnce(Return(IDYES));
        } else {
            EXPECT_CALL(prompt, Show(_, _, _)).Times(0);
        }
        RunFirstRunPrompt(StateFor(mask), settings, prompt, texts, "Title");
        EXPECT_EQ("N", settings.wizardMessage);
        EXPECT_EQ(kKeyOfMask[mask] ? 1 : 0, settings.openWizard);
    }
}

TEST(FirstRunPrompt, TextsWithoutTheQuestionStillAsk) {
    FakeTexts texts;
    for (int mask : {3, 4}) {
        MockPrompt prompt;
        CHalvaneSettings settings;
        EXPECT_CALL(prompt, Show(AllOf(Not(HasSubstr("Do you want")),
                                       EndsWith("Click Yes to start the wizard\r\nNo to hide "
                                                "this message box forever.")),
                                 _, _))
            .WillOnce(Return(IDYES));
        RunFirstRunPrompt(StateFor(mask), settings, prompt, texts, "Title");
    }
}

TEST(FirstRunPrompt, NoShowsTheWarningAndNeverAsksAgain) {
    FakeTexts texts;
    MockPrompt prompt;
    CHalvaneSettings settings;
    ::testing::InSequence order;
    EXPECT_CALL(prompt, Show(HasSubstr("Internet Explorer browser installed"), "Title", _))
        .WillOnce(Return(IDNO));
    EXPECT_CALL(prompt, Show(StartsWith("WARNING\r\n"), "Title", MB_OK | MB_ICONWARNING))
        .WillOnce(Return(IDOK));
    RunFirstRunPrompt(StateFor(1), settings, prompt, texts, "Title");
    EXPECT_EQ(0, settings.openWizard);
    EXPECT_EQ("N", settings.wizardMessage);
}

TEST(FirstRunPrompt, NothingAskedOnceTheUserSaidNever) {
    FakeTexts texts;
    MockPrompt prompt;
    CHalvaneSettings settings;
    settings.wizardMessage = "N";
    EXPECT_CALL(prompt, Show(_, _, _)).Times(0);
    RunFirstRunPrompt(StateFor(15), settings, prompt, texts, "Title");
    EXPECT_EQ("N", settings.wizardMessage);
}

}  // namespace popup
