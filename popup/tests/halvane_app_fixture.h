#pragma once
// The whole program run inside a test: a scratch product folder and registry,
// a prompt that records and answers, titles of this process alone, and a
// thread timer that drives the running program step by step.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "platform/testkit/scratch.h"
#include "popup/core/tests/fakes.h"
#include "popup/halvane_app.h"

namespace popup {

// English defaults, but titles of this process alone, so that no other
// program's windows or mutex get in the way.
class TestTexts : public FakeTexts {
public:
    TestTexts();
    std::string WindowTitle() const { return texts.at("9999"); }
    std::string SheetTitle() const { return texts.at("99990"); }
};

// Values under the program's own key.
void SetValue(const char* name, const std::string& text);
void SetValue(const char* name, DWORD value);
void DeleteValue(const char* name);

class HalvaneAppTest : public ::testing::Test {
protected:
    // A later run with a complete installation: no first-run request, no
    // tray notice.
    HalvaneAppTest();

    // Runs the program while `step` drives it from a timer every 50 ms;
    // `step` answers true when done. Past `limitMs` the program is ended as
    // the browser helper would end it, and the test fails.
    StartupEnd RunWith(std::function<bool()> step);
    StartupEnd RunWithApp(std::function<bool(CHalvaneApp&)> step, DWORD limitMs = 20000);

    // Once the main window is up: `act` on one tick, `check` on the next
    // (after what `act` posted), then the program ends.
    void ActThenCheck(std::function<void(CHalvaneApp&)> act,
                      std::function<void(CHalvaneApp&)> check);

    HWND HiddenWindow() const;
    HWND Sheet() const;
    // The page of tab `index`, shown first so that it exists.
    HWND ShowPage(int index) const;
    void EndProgram() const;

    testkit::ScratchRegistry registry_;
    testkit::ScratchDir dir_;
    ::testing::NiceMock<MockPrompt> prompt_;
    TestTexts texts_;
    HalvaneSeams seams_;
};

}  // namespace popup
