// A skinned dialog at work: the caption buttons' commands, dragging by the
// caption strip, the tab bar, the striped list's commands and colours, and
// what the window shows on screen.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/ui/tests/ui_driver.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/page_container.h"
#include "privacy/look/skin_rules.h"
#include "privacy/look/skin_res.h"
#include "privacy/look/tests/look_test_ids.h"
#include "privacy/look/tests/look_test_support.h"

namespace {

using looktest::SkinnedTestDialog;
using namespace privacy;

LRESULT HitTest(HWND hwnd, int clientX, int clientY) {
    POINT p = {clientX, clientY};
    ClientToScreen(hwnd, &p);
    return SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
}

TEST(SkinnedDialog, CaptionButtonsMinimiseAndCancelAndTheStripDragsTheWindow) {
    looktest::LoadSkinOnce();
    uitest::Watchdog watchdog(15000);
    SkinnedTestDialog dialog;
    dialog.useFakeButton = true;
    LRESULT dragTop = 0, dragBelow = 0, released = 0;
    RECT closeRect = {}, client = {};
    bool minimised = false, hoverSeen = false, hoverAfterCapture = true;
    uitest::Steps steps({
        [&] {
            HWND hwnd = dialog.Handle();
            GetClientRect(hwnd, &client);
            GetWindowRect(GetDlgItem(hwnd, IDC_SKIN_CLOSE), &closeRect);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&closeRect), 2);
            dialog.fakeLeftButton = true;
            dragTop = HitTest(hwnd, 100, 5);
            dragBelow = HitTest(hwnd, 100, 40);
            dialog.fakeLeftButton = false;
            released = HitTest(hwnd, 100, 5);
            // A hover ends when the button loses the mouse capture.
            SendMessageA(dialog.button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            hoverSeen = dialog.button.Hovering();
            SendMessageA(dialog.button.Handle(), WM_CAPTURECHANGED, 0, 0);
            hoverAfterCapture = dialog.button.Hovering();
            SendMessageA(hwnd, WM_COMMAND, IDC_SKIN_MINIMISE, 0);
            minimised = IsIconic(hwnd) != FALSE;
            ShowWindow(hwnd, SW_RESTORE);
            return true;
        },
        [&] {
            SendMessageA(dialog.Handle(), WM_COMMAND, IDC_SKIN_CLOSE, 0);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(HTCAPTION, dragTop);
    EXPECT_EQ(HTCLIENT, dragBelow);
    EXPECT_EQ(HTCLIENT, released);
    EXPECT_TRUE(minimised);
    EXPECT_TRUE(hoverSeen);
    EXPECT_FALSE(hoverAfterCapture);
    EXPECT_EQ(client.right - 24, closeRect.left);
    EXPECT_EQ(8, closeRect.top);
    EXPECT_EQ(client.right - 8, closeRect.right);
}

TEST(SkinnedDialog, TabsStackUpToTwentyAndChoosingNotifiesTheParent) {
    looktest::LoadSkinOnce();
    uitest::Watchdog watchdog(15000);
    SkinnedTestDialog dialog;
    int added21st = -1, countAfter = 0;
    RECT third = {};
    bool firstPressed = false, secondPressedAfter = false, firstPressedAfter = true;
    int selectedAfterReclick = -1;
    uitest::Steps steps({
        [&] {
            CButtonAnimate& tabs = dialog.tabs;
            firstPressed = tabs.Tab(0)->Pressed();
            GetWindowRect(tabs.Tab(2)->Handle(), &third);
            MapWindowPoints(nullptr, tabs.Handle(), reinterpret_cast<POINT*>(&third), 2);
            // Choose tab 1 by a click, then click it again.
            SendMessageA(tabs.Tab(1)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            secondPressedAfter = tabs.Tab(1)->Pressed();
            firstPressedAfter = tabs.Tab(0)->Pressed();
            SendMessageA(tabs.Tab(1)->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            selectedAfterReclick = tabs.Tab(1)->Pressed() ? tabs.Selected() : -2;
            // Fill up to 20 tabs; the 21st is refused.
            while (tabs.TabCount() < CButtonAnimate::kMaxTabs) tabs.AddTab("x", nullptr, nullptr, true, 0, 0);
            added21st = tabs.AddTab("21", nullptr, nullptr, true, 0, 0);
            countAfter = tabs.TabCount();
            dialog.EndDialog(IDOK);
            return true;
        },
    });
    dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(firstPressed);
    EXPECT_TRUE(secondPressedAfter);
    EXPECT_FALSE(firstPressedAfter);
    EXPECT_EQ(1, selectedAfterReclick);
    ASSERT_EQ(2u, dialog.tabMessages.size());
    EXPECT_EQ(9000u, dialog.tabMessages[0].first);
    EXPECT_EQ(1, dialog.tabMessages[0].second);
    EXPECT_EQ(1, dialog.tabMessages[1].second);  // the same tab again: same index, sent again
    EXPECT_EQ(0, added21st);
    EXPECT_EQ(20, countAfter);
    // Tab 2 sits at 6 + 2 * (25 + 6).
    EXPECT_EQ(68, third.top);
    EXPECT_EQ(6, third.left);
    EXPECT_EQ(25, third.bottom - third.top);
}


NMHDR Header(HWND from, UINT code) {
    NMHDR header = {};
    header.hwndFrom = from;
    header.idFrom = GetDlgCtrlID(from);
    header.code = code;
    return header;
}

TEST(SkinnedDialog, StripedListSendsItsCommandsAndStripesByRow) {
    looktest::LoadSkinOnce();
    uitest::Watchdog watchdog(15000);
    SkinnedTestDialog dialog;
    std::vector<UINT> withoutCommands;
    LRESULT prepaint = 0, itemPaint = 0;
    COLORREF row7 = 0;
    uitest::Steps steps({
        [&] {
            HWND list = dialog.list.Handle();
            HWND hwnd = dialog.Handle();
            NMHDR dbl = Header(list, NM_DBLCLK);
            SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
            SendMessageA(hwnd, WM_NOTIFY, dbl.idFrom, reinterpret_cast<LPARAM>(&dbl));
            withoutCommands = dialog.commands;
            dialog.list.SetCommands(IDR_TEST_MENU, ID_TEST_OPEN, ID_TEST_REMOVE);
            SendMessageA(list, WM_KEYDOWN, VK_DELETE, 0);
            SendMessageA(hwnd, WM_NOTIFY, dbl.idFrom, reinterpret_cast<LPARAM>(&dbl));
            NMLISTVIEW column = {};
            column.hdr = Header(list, LVN_COLUMNCLICK);
            column.iSubItem = 2;
            SendMessageA(hwnd, WM_NOTIFY, column.hdr.idFrom, reinterpret_cast<LPARAM>(&column));
            NMLVCUSTOMDRAW draw = {};
            draw.nmcd.hdr = Header(list, NM_CUSTOMDRAW);
            draw.nmcd.dwDrawStage = CDDS_PREPAINT;
            SendMessageA(hwnd, WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
            prepaint = GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
            draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
            draw.nmcd.dwItemSpec = 7;
            SendMessageA(hwnd, WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
            itemPaint = GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
            row7 = draw.clrTextBk;
            dialog.EndDialog(IDOK);
            return true;
        },
    });
    dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(withoutCommands.empty());
    EXPECT_EQ((std::vector<UINT>{ID_TEST_REMOVE, ID_TEST_OPEN}), dialog.commands);
    EXPECT_EQ((std::vector<WPARAM>{2}), dialog.columnClicks);
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, prepaint);
    EXPECT_EQ(CDRF_DODEFAULT, itemPaint);
    EXPECT_EQ(RGB(255, 255, 235), row7);

    // Six stripes by display position: rows 0, 6, 12 share the first.
    EXPECT_EQ(StripeColor(0), StripeColor(6));
    EXPECT_EQ(StripeColor(0), StripeColor(12));
    EXPECT_EQ(static_cast<uint32_t>(RGB(255, 235, 255)), StripeColor(0));
    EXPECT_EQ(static_cast<uint32_t>(RGB(235, 255, 235)), StripeColor(5));
    EXPECT_EQ(static_cast<uint32_t>(RGB(235, 235, 255)), StripeColor(10));
}

TEST(SkinnedDialog, ButtonFacesRankPressedOverHoverOverFocus) {
    EXPECT_EQ(ButtonFace::Pressed, ChooseButtonFace(true, true, true));
    EXPECT_EQ(ButtonFace::Hover, ChooseButtonFace(false, true, true));
    EXPECT_EQ(ButtonFace::Focused, ChooseButtonFace(false, false, true));
    EXPECT_EQ(ButtonFace::Normal, ChooseButtonFace(false, false, false));
}

class PlainPage : public ui::Dialog {
public:
    PlainPage() : Dialog(IDD_TEST_PAGE) {}
};

bool Visible(ui::Dialog* page) {
    return page && (GetWindowLongPtrA(page->Handle(), GWL_STYLE) & WS_VISIBLE);
}

TEST(SkinnedDialog, PageContainerPlacesPagesAndShowsOneAtATime) {
    looktest::LoadSkinOnce();
    uitest::Watchdog watchdog(15000);
    SkinnedTestDialog dialog;
    CPageContainer pages;
    bool emptyShow = true, nullAdd = true;
    bool showFirst = false, pastEnd = true, belowMinusOne = true, again = false;
    int currentAfterPastEnd = -1, currentAfterAgain = -1;
    bool onlySecondVisible = false, secondStillVisible = false;
    POINT corner = {};
    uitest::Steps steps({
        [&] {
            emptyShow = pages.ShowPage(-1);
            RECT frame;
            GetWindowRect(dialog.list.Handle(), &frame);
            pages.SetFrame(frame, false);
            nullAdd = pages.AddPage(dialog.Handle(), nullptr);
            pages.AddPage(dialog.Handle(), std::make_unique<PlainPage>());
            pages.AddPage(dialog.Handle(), std::make_unique<PlainPage>());
            RECT placed;
            GetWindowRect(pages.Page(1)->Handle(), &placed);
            corner = {placed.left - frame.left, placed.top - frame.top};
            showFirst = pages.ShowPage(-1);  // none current: page 0
            pages.ShowPage(1);
            onlySecondVisible = !Visible(pages.Page(0)) && Visible(pages.Page(1));
            pastEnd = pages.ShowPage(2);
            belowMinusOne = pages.ShowPage(-2);
            currentAfterPastEnd = pages.Current();
            again = pages.ShowPage(-1);
            currentAfterAgain = pages.Current();
            secondStillVisible = Visible(pages.Page(1)) && !Visible(pages.Page(0));
            dialog.EndDialog(IDOK);
            return true;
        },
    });
    dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_FALSE(emptyShow);
    EXPECT_FALSE(nullAdd);
    EXPECT_EQ(0, corner.x);
    EXPECT_EQ(0, corner.y);
    EXPECT_TRUE(showFirst);
    EXPECT_TRUE(onlySecondVisible);
    EXPECT_FALSE(pastEnd);
    EXPECT_FALSE(belowMinusOne);
    EXPECT_EQ(1, currentAfterPastEnd);
    EXPECT_TRUE(again);
    EXPECT_EQ(1, currentAfterAgain);
    EXPECT_TRUE(secondStillVisible);

    const SkinPoint centred = PagePosition({10, 20, 110, 70}, {40, 20}, true);
    EXPECT_EQ(40, centred.x);
    EXPECT_EQ(35, centred.y);
}

// The window as the screen shows it, checked against the drawing rules:
// the frame's outline, the chosen tab's gold face and its frame, the
// shadow under an unchosen tab, the list's stripes.
TEST(SkinnedDialog, OnScreenTheWindowShowsFrameTabsStripesAndButton) {
    looktest::LoadSkinOnce();
    uitest::Watchdog watchdog(20000);
    SkinnedTestDialog dialog;
    COLORREF outline = 0, chosenFrame = 0, chosenFace = 0, shadow = 0, otherFrame = 0;
    COLORREF stripe0 = 0, stripe1 = 0, body = 0, buttonEdge = 0, chosenFrameAfterMouse = 0;
    uitest::Steps steps({
        [&] {
            SetWindowPos(dialog.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return true;
        },
        [&] {
            uitest::Pump(300);
            RECT client;
            GetClientRect(dialog.Handle(), &client);
            looktest::Canvas shot(client.right, client.bottom, RGB(1, 2, 3));
            HDC dc = GetDC(dialog.Handle());
            shot.CopyFrom(dc, 0, 0);
            ReleaseDC(dialog.Handle(), dc);

            auto at = [&](HWND child, int x, int y) {
                POINT p = {x, y};
                MapWindowPoints(child, dialog.Handle(), &p, 1);
                return shot.At(p.x, p.y);
            };
            outline = shot.At(0, client.bottom / 2);
            body = shot.At(client.right / 2, client.bottom - 6);
            HWND chosen = dialog.tabs.Tab(0)->Handle();
            RECT tab;
            GetClientRect(chosen, &tab);
            chosenFrame = at(chosen, 4, tab.bottom / 2);    // pressed: face from (4, 4)
            chosenFace = at(chosen, 8, tab.bottom - 3);
            HWND other = dialog.tabs.Tab(1)->Handle();
            shadow = at(other, tab.right - 1, tab.bottom - 1);
            otherFrame = at(other, 0, tab.bottom / 2);
            HWND list = dialog.list.Handle();
            RECT row = {LVIR_BOUNDS, 0, 0, 0};
            SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
            stripe0 = at(list, row.right - 4, (row.top + row.bottom) / 2);
            stripe1 = at(list, row.right - 4, (row.top + row.bottom) / 2 + (row.bottom - row.top));
            buttonEdge = at(dialog.button.Handle(), 0, 4);
            // The mouse passing over the chosen tab redraws its frame alone,
            // in the highlight colour, which stays after the mouse left.
            SendMessageA(chosen, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            SendMessageA(chosen, WM_MOUSELEAVE, 0, 0);
            HDC tabDc = GetDC(chosen);
            chosenFrameAfterMouse = GetPixel(tabDc, 4, tab.bottom / 2);
            ReleaseDC(chosen, tabDc);
            dialog.EndDialog(IDOK);
            return true;
        },
    }, 200);
    dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(RGB(44, 62, 94), outline);
    EXPECT_GT(GetBValue(body), 200);  // the pale body
    EXPECT_EQ(RGB(160, 160, 160), chosenFrame);  // highlighted only under the mouse
    EXPECT_EQ(RGB(255, 0, 0), chosenFrameAfterMouse);
    EXPECT_GT(GetRValue(chosenFace), 200);  // gold: red and green high, blue low
    EXPECT_LT(GetBValue(chosenFace), 160);
    EXPECT_EQ(RGB(128, 128, 128), shadow);
    EXPECT_EQ(RGB(160, 160, 160), otherFrame);
    EXPECT_EQ(RGB(255, 235, 255), stripe0);
    EXPECT_EQ(RGB(255, 255, 235), stripe1);
    EXPECT_EQ(RGB(255, 255, 255), buttonEdge);  // style 4: the light left edge
}

}  // namespace
