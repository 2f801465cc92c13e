// The link control: its cursor never goes missing, its colours follow the
// mouse and the clicks, and the fallback command line is cut where the
// registered command expects the address.
#include "platform/ui/widgets/hyperlink.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(HyperLinkTest, TheCommandLineIsCutBeforeTheFirstAddressPlaceholder) {
    EXPECT_EQ("\"C:\\Browser\\browse.exe\" -nohome http://x/",
              BrowserCommandFor("\"C:\\Browser\\browse.exe\" -nohome \"%1\"", "http://x/"));
    EXPECT_EQ("browse.exe http://x/", BrowserCommandFor("browse.exe %1 -new", "http://x/"));
    EXPECT_EQ("browse.exe -url http://x/", BrowserCommandFor("browse.exe -url", "http://x/"));
    // The quoted placeholder wins over a bare one that comes later.
    EXPECT_EQ("b.exe -a http://x/", BrowserCommandFor("b.exe -a \"%1\" %1", "http://x/"));
}

// A static in a plain parent window, bound to a link.
class LinkWindow : public ::testing::Test {
protected:
    LinkWindow() {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, parent_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), GetModuleHandleA(nullptr),
                        nullptr);
        link_.SetURL("http://www.example.invalid/");
    }
    ~LinkWindow() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
    HyperLink link_{HyperLink::kUnderline | HyperLink::kHoverColor};
};

TEST_F(LinkWindow, AttachingShowsTheAddressAndTheCursorIsNeverNull) {
    ASSERT_TRUE(link_.Attach(parent_, 7));
    EXPECT_EQ("http://www.example.invalid/", link_.GetText());
    EXPECT_NE(nullptr, LinkCursor());
    SetCursor(nullptr);
    link_.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(link_.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(nullptr, GetCursor());
}

TEST_F(LinkWindow, TheColourFollowsHoverAndTheStyleRefusesContradictions) {
    ASSERT_TRUE(link_.Attach(parent_, 7));
    HyperLink::Colors colors;
    colors.link = RGB(1, 1, 1);
    colors.hover = RGB(2, 2, 2);
    link_.SetColors(colors);
    EXPECT_EQ(RGB(1, 1, 1), link_.TextColor());
    link_.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(link_.Hovering());
    EXPECT_EQ(RGB(2, 2, 2), link_.TextColor());
    link_.Send(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_FALSE(link_.Hovering());
    EXPECT_EQ(RGB(1, 1, 1), link_.TextColor());

    EXPECT_FALSE(link_.ModifyLinkStyle(HyperLink::kUnderline, HyperLink::kUnderline));
    EXPECT_TRUE(link_.ModifyLinkStyle(HyperLink::kHoverColor, 0));
    link_.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(RGB(1, 1, 1), link_.TextColor());
}

}  // namespace
}  // namespace ui
