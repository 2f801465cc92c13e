#include "privacy/look/tests/look_test_support.h"

#include <commctrl.h>

#include "privacy/look/look_messages.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/tests/look_test_ids.h"

namespace looktest {

void LoadSkinOnce() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        return privacy::LoadSkinBitmaps() && privacy::RegisterSkinWindowClasses();
    }();
    (void)loaded;
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    bits_ = static_cast<uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void Canvas::CopyFrom(HDC source, int x, int y) {
    BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY);
}

SkinnedTestDialog::SkinnedTestDialog() : CDialogSkin1(IDD_SKIN_TEST) {}

bool SkinnedTestDialog::OnInitDialog() {
    CDialogSkin1::OnInitDialog();
    SetText("Skinned test window");
    RECT rect;
    GetWindowRect(Item(IDC_TEST_TABS), &rect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    DestroyWindow(Item(IDC_TEST_TABS));
    tabs.Create(rect, Handle(), 9000);
    tabs.SetButtonHeight(25);
    const char* captions[] = {"Sites", "Events", "Trace"};
    const COLORREF own[] = {RGB(255, 0, 0), RGB(0, 130, 0), RGB(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        tabs.AddTab(captions[i], privacy::SkinClasses().tabNormal, privacy::SkinClasses().tabPressed, true,
                    RGB(160, 160, 160), own[i]);
    }
    list.SubclassDlgItem(IDC_TEST_LIST, Handle());
    list.InsertColumn(0, "URL", 200);
    for (int i = 0; i < 8; ++i) list.InsertItem(i, "row");
    button.BindDlgItem(IDC_TEST_BUTTON, Handle());
    languages.BindDlgItem(IDC_TEST_COMBO, Handle());
    return true;
}

bool SkinnedTestDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (id == ID_TEST_OPEN || id == ID_TEST_REMOVE) {
        commands.push_back(id);
        return true;
    }
    return CDialogSkin1::OnCommand(id, code, control);
}

LRESULT SkinnedTestDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case privacy::WM_TAB_SELECTED:
        tabMessages.emplace_back(wp, lp);
        return 0;
    case privacy::WM_LIST_COLUMN_CLICKED:
        columnClicks.push_back(wp);
        return 0;
    case privacy::WM_LANGUAGE_CHANGED:
        ++retexts;
        return 0;
    }
    return CDialogSkin1::WindowProc(msg, wp, lp);
}

bool SkinnedTestDialog::LeftButtonDown() const {
    return useFakeButton ? fakeLeftButton : CDialogSkin1::LeftButtonDown();
}

}  // namespace looktest
