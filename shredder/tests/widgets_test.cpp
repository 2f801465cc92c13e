// The progress window and the self-fitting list: bars that take 32-bit
// ranges, Cancel and Escape raising the abort flag while the sheet stays
// disabled until the engine closes the window, and column widths that
// follow the widest text as rows come and go.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/tests/ui_driver.h"
#include "shredder/res/about_dlg_res.h"
#include "shredder/res/progress_dlg_res.h"
#include "shredder/window/about_dlg.h"
#include "shredder/window/hyperlink_ctrl.h"
#include "shredder/window/progress_dlg.h"
#include "shredder/window/shred_list_ctrl.h"

namespace shredder {
namespace {

class FakeHost : public ProgressHost {
public:
    FakeHost() { sheet.Create(0, "sheet", WS_POPUP, RECT{0, 0, 50, 50}, nullptr); }
    HWND SheetWindow() override { return sheet.Handle(); }
    void ProgressShown(bool shown) override { blinks.push_back(shown); }
    bool& AbortFlag() override { return abort; }
    CSkin& Skin() override { return skin; }

    ui::Window sheet;
    CSkin skin;
    std::vector<bool> blinks;
    bool abort = false;
};

class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog_.OpenProgress()); }
    void TearDown() override { dialog_.CloseProgress(); }
    LRESULT Bar(int id, UINT msg, WPARAM wp = 0) {
        return SendDlgItemMessageA(dialog_.Handle(), id, msg, wp, 0);
    }

    FakeHost host_;
    ShredderTexts texts_;
    CProgressDlg dialog_{texts_, host_};
};

TEST_F(ProgressWindow, BarsTakeRangesBeyondSixteenAndThirtyOneBits) {
    // A 5 GiB file in 64 KiB blocks: more than a 16-bit range holds.
    const uint32_t blocks = static_cast<uint32_t>((5ull << 30) / 65536 + 2);
    dialog_.SetItemRange(blocks);
    dialog_.SetItemPos(blocks - 1);
    EXPECT_EQ(static_cast<LRESULT>(blocks), Bar(IDC_PROGRESS_ITEM, PBM_GETRANGE, FALSE));
    EXPECT_EQ(static_cast<LRESULT>(blocks - 1), Bar(IDC_PROGRESS_ITEM, PBM_GETPOS));
    // A range past 31 bits is halved with its positions, never negative.
    dialog_.SetItemRange(0xFFFFFFFFu);
    dialog_.SetItemPos(0x80000000u);
    EXPECT_EQ(0x7FFFFFFF, Bar(IDC_PROGRESS_ITEM, PBM_GETRANGE, FALSE));
    EXPECT_EQ(0x40000000, Bar(IDC_PROGRESS_ITEM, PBM_GETPOS));
    dialog_.SetTotalRange(0xFFFFFFFEu);
    for (int i = 0; i < 4; ++i) dialog_.StepTotal();
    EXPECT_EQ(0x7FFFFFFF, Bar(IDC_PROGRESS_TOTAL, PBM_GETRANGE, FALSE));
    EXPECT_EQ(2, Bar(IDC_PROGRESS_TOTAL, PBM_GETPOS));
}

TEST_F(ProgressWindow, EscapeStopsTheRunAndTheSheetWaitsForTheEngine) {
    EXPECT_FALSE(IsWindowEnabled(host_.sheet.Handle()));
    EXPECT_FALSE(dialog_.ShouldAbort());
    // Escape arrives through the engine's own pump between two writes.
    PostMessageA(GetDlgItem(dialog_.Handle(), IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(dialog_.ShouldAbort());
    EXPECT_TRUE(host_.abort);
    EXPECT_TRUE(IsWindow(dialog_.Handle())) << "the engine closes the window, not Escape";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_.Handle(), IDCANCEL)));
    dialog_.EnableCancel(true);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog_.Handle(), IDCANCEL))) << "a second Cancel";
    EXPECT_FALSE(IsWindowEnabled(host_.sheet.Handle())) << "the engine is still looping";
    dialog_.CloseProgress();
    EXPECT_TRUE(IsWindowEnabled(host_.sheet.Handle()));
    EXPECT_EQ((std::vector<bool>{true, false}), host_.blinks);
}

TEST_F(ProgressWindow, EndOfSessionStopsTheRun) {
    EXPECT_TRUE(SendMessageA(dialog_.Handle(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(host_.abort);
}

// A quit asked for during a run stops it and still ends the program's loop.
TEST_F(ProgressWindow, QuitStopsTheRunAndReachesTheProgramsLoop) {
    PostQuitMessage(3);
    EXPECT_TRUE(dialog_.ShouldAbort());
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

// A list in a window that reflects its notifications to it.
class ListHost : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent_.Create(0, "lists", WS_POPUP, RECT{0, 0, 400, 300}, nullptr));
        HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400,
                                    300, parent_.Handle(), reinterpret_cast<HMENU>(7), nullptr, nullptr);
        ASSERT_TRUE(list_.Subclass(list));
        list_.InsertColumn(0, "Name");
        list_.FitColumnToHeader(0);
    }
    int Fitted(const std::string& text) { return list_.GetStringWidth(text) + kColumnMargin; }

    ui::Window parent_;
    CShredListCtrl list_;
};

TEST_F(ListHost, ColumnFollowsTheWidestRow) {
    const std::string wide = "C:\\a rather long folder name\\with a file inside.txt";
    const std::string middle = "C:\\middle name.txt";
    EXPECT_EQ(Fitted("Name"), list_.GetColumnWidth(0));
    list_.InsertItem(0, middle);
    EXPECT_EQ(Fitted(middle), list_.GetColumnWidth(0));
    list_.InsertItem(1, wide);
    list_.InsertItem(2, "C:\\x");
    EXPECT_EQ(Fitted(wide), list_.GetColumnWidth(0));
    list_.DeleteItem(1);
    EXPECT_EQ(Fitted(middle), list_.GetColumnWidth(0));
    list_.DeleteAllItems();
    EXPECT_EQ(Fitted("Name"), list_.GetColumnWidth(0));
}

}  // namespace
}  // namespace shredder

namespace shredder {
namespace {

// The About box shows the value its static names, from the version block
// of the file that holds its resources.
TEST(AboutBox, ShowsItsTitleAndTheFilesVersion) {
    ShredderTexts texts;
    CSkin skin;
    CAboutDlg about(texts, skin);
    uitest::Watchdog watchdog;
    std::string version, title;
    uitest::Steps steps({[&] {
        HWND dialog = GetActiveWindow();
        if (!dialog) return false;
        char text[200] = {};
        GetWindowTextA(dialog, text, sizeof text);
        title = text;
        GetDlgItemTextA(dialog, IDC_ABOUT_VERSION, text, sizeof text);
        version = text;
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    }});
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ("About Velmora Scourwell", title);
    EXPECT_EQ("1.0.0.1", version);
}

}  // namespace
}  // namespace shredder

namespace shredder {
namespace {

// The link over a static: its tip is tool 1001 with the text given, the
// hover colour goes with the capture however it is lost, and the cursor is
// never empty.
TEST(HyperLink, TipHoverAndCursor) {
    ui::Window parent;
    ASSERT_TRUE(parent.Create(0, "links", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 100}, nullptr));
    CreateWindowExA(0, "STATIC", "www.velmora.example", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20,
                    parent.Handle(), reinterpret_cast<HMENU>(41), nullptr, nullptr);
    CHyperLinkCtrl link;
    ASSERT_TRUE(link.Attach(parent.Handle(), 41));
    link.EnableToolTip(true);
    link.SetToolTipText("Visit us");
    ASSERT_TRUE(link.ToolTip());
    char text[80] = {};
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = link.Handle();
    tool.uId = kLinkToolId;
    tool.lpszText = text;
    SendMessageA(link.ToolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ("Visit us", text);
    EXPECT_EQ(1, SendMessageA(link.ToolTip(), TTM_GETTOOLCOUNT, 0, 0));

    EXPECT_EQ(RGB(255, 0, 0), link.TextColor());
    link.Send(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(link.Hovering());
    EXPECT_EQ(link.Handle(), GetCapture());
    ReleaseCapture();  // taken away without the mouse leaving
    EXPECT_FALSE(link.Hovering());
    EXPECT_NE(nullptr, ui::LinkCursor());
    link.SetVisitedColour(RGB(0, 13, 0));
    EXPECT_EQ(RGB(255, 0, 0), link.TextColor());
}

}  // namespace
}  // namespace shredder
