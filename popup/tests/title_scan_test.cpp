#include "popup/title_scan.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/ui/window.h"

namespace popup {

namespace {

// Only this thread's windows: other programs on the desktop stay out of it.
BOOL WINAPI ThisThreadsWindows(WNDENUMPROC visit, LPARAM data) {
    return EnumThreadWindows(GetCurrentThreadId(), visit, data);
}

class TitledWindow : public ui::Window {
public:
    explicit TitledWindow(const std::string& title) {
        const RECT rect = {0, 0, 10, 10};
        Create(0, title, WS_POPUP, rect, nullptr);
    }
    ~TitledWindow() override { Destroy(); }
};

const std::string kMarker = kPopupMarker;

}  // namespace

TEST(PopupMarker, OnlyTheFirstMarkerIsCut) {
    std::string title = "Ad " + kMarker + " x " + kMarker;
    EXPECT_TRUE(CutPopupMarker(title));
    EXPECT_EQ("Ad  x " + kMarker, title);
    EXPECT_TRUE(CutPopupMarker(title));
    EXPECT_EQ("Ad  x ", title);
    EXPECT_FALSE(CutPopupMarker(title));
    std::string partial = "Velmora Blinkward.com Catch Another";
    EXPECT_FALSE(CutPopupMarker(partial));
}

TEST(PopupMarker, CountGoesUpInDecimalText) {
    EXPECT_EQ("1", NextCount("0"));
    EXPECT_EQ("100", NextCount("99"));
    EXPECT_EQ("4294967296", NextCount("4294967295"));
    EXPECT_EQ("1", NextCount(""));
    EXPECT_EQ("1", NextCount("junk"));
}

TEST(TitleScan, AMarkedWindowIsFoundOncePerTickAndLosesOneMarker) {
    TitledWindow plain("An ordinary window");
    TitledWindow marked("Popup " + kMarker + kMarker);
    const CTitleScan scan(ThisThreadsWindows);

    EXPECT_EQ(marked.Handle(), scan.Tick());
    EXPECT_EQ("Popup " + kMarker, marked.GetText());
    EXPECT_EQ(marked.Handle(), scan.Tick());
    EXPECT_EQ("Popup ", marked.GetText());
    EXPECT_EQ(nullptr, scan.Tick());
    EXPECT_EQ("An ordinary window", plain.GetText());
}

TEST(TitleScan, TwoMarkedWindowsAreCountedOnTwoTicks) {
    TitledWindow first(kMarker + "one");
    TitledWindow second(kMarker + "two");
    const CTitleScan scan(ThisThreadsWindows);

    HWND a = scan.Tick();
    HWND b = scan.Tick();
    ASSERT_NE(nullptr, a);
    ASSERT_NE(nullptr, b);
    EXPECT_NE(a, b);
    EXPECT_EQ(nullptr, scan.Tick());
    EXPECT_EQ("one", first.GetText());
    EXPECT_EQ("two", second.GetText());
}

}  // namespace popup
