// Reflection: a control's own notifications and colour requests reach the
// control's object, not its parent's handlers.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/list_view.h"
#include "platform/ui/tests/ui_driver.h"
#include "platform/ui/tests/ui_test_ids.h"

#include <gtest/gtest.h>

namespace {

class ReportList : public ui::ListView {
public:
    int prePaints = 0;
    int itemPrePaints = 0;
    int clickedColumn = -1;

protected:
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) override {
        switch (header.code) {
        case NM_CUSTOMDRAW: {
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
                ++prePaints;
                result = CDRF_NOTIFYITEMDRAW;
            } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                ++itemPrePaints;
                draw.clrTextBk = RGB(255, 235, 255);
                result = CDRF_DODEFAULT;
            } else {
                result = CDRF_DODEFAULT;
            }
            return true;
        }
        case LVN_COLUMNCLICK:
            clickedColumn = reinterpret_cast<NMLISTVIEW&>(header).iSubItem;
            result = 0;
            return true;
        }
        return false;
    }
};

class ColouredLabel : public ui::Static {
public:
    ui::Brush brush{CreateSolidBrush(RGB(1, 2, 3))};
    int requests = 0;

protected:
    HBRUSH OnReflectedCtlColor(UINT msg, HDC dc) override {
        if (msg != WM_CTLCOLORSTATIC) return nullptr;
        ++requests;
        SetBkMode(dc, TRANSPARENT);
        return brush.Get();
    }
};

class HostDialog : public ui::Dialog {
public:
    HostDialog() : Dialog(IDD_PLAIN) {}
    ReportList list;
    ColouredLabel label;
    int parentNotifications = 0;

protected:
    bool OnInitDialog() override {
        list.SubclassDlgItem(IDC_LIST, Handle());
        label.SubclassDlgItem(IDC_LABEL, Handle());
        return Dialog::OnInitDialog();
    }
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        if (header.hwndFrom == list.Handle() &&
            (header.code == NM_CUSTOMDRAW || header.code == LVN_COLUMNCLICK)) {
            ++parentNotifications;
        }
        return Dialog::OnNotify(header, result);
    }
};

TEST(Reflection, ListViewGetsItsOwnCustomDrawAndColumnClicks) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ReportList& list = dialog.list;
    list.InsertColumn(0, "Name", 80);
    list.InsertColumn(1, "Size", 60);
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(0, list.InsertItem(0, "first", 11));
    EXPECT_EQ(1, list.InsertItem(5, "second", 22));
    list.SetItemText(1, 1, "2 KB");
    EXPECT_EQ("2 KB", list.GetItemText(1, 1));
    EXPECT_EQ(22, list.GetItemData(1));
    EXPECT_EQ(1, list.FindItem("SECOND"));
    list.SetCheck(1, true);
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_EQ("Size", list.GetColumnText(1));
    EXPECT_EQ(2, list.GetColumnCount());

    RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GE(list.prePaints, 1);
    EXPECT_GE(list.itemPrePaints, 2);

    // A real click on the second header item.
    HWND header = reinterpret_cast<HWND>(list.Send(LVM_GETHEADER));
    RECT item = {};
    SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
    uitest::Pump(50);
    EXPECT_EQ(1, list.clickedColumn);
    EXPECT_EQ(0, dialog.parentNotifications);
}

TEST(Reflection, StaticAnswersItsOwnColourRequest) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HDC dc = GetDC(dialog.Handle());
    LRESULT answer = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(dialog.label.Handle()));
    ReleaseDC(dialog.Handle(), dc);
    EXPECT_EQ(reinterpret_cast<LRESULT>(dialog.label.brush.Get()), answer);
    int before = dialog.label.requests;
    RedrawWindow(dialog.label.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GT(dialog.label.requests, before);
}

TEST(Reflection, UnsubclassedControlKeepsItsOwnProcedure) {
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND label = dialog.label.Handle();
    EXPECT_EQ(label, dialog.label.Detach());
    EXPECT_EQ(nullptr, ui::Window::FromHandle(label));
    SetWindowTextA(label, "still works");
    EXPECT_EQ("still works", ui::WindowText(label));
}

}  // namespace
