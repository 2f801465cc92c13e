#include "popup/counter_dlg.h"

#include "popup/dialog_looks.h"
#include "popup/halvane_app.h"
#include "popup/res/resource_ids.h"

namespace popup {

namespace {

const UINT kShownMs = 5000;
const UINT kSlideStepMs = 10;

}  // namespace

CCounterDlg::CCounterDlg(CHalvaneApp& app) : ui::Dialog(IDD_COUNTER), app_(app) {}

bool CCounterDlg::OnInitDialog() {
    SetLanguageTexts();
    RECT rect = {};
    GetWindowRect(Handle(), &rect);
    home_.x = GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left);
    home_.y = GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top);
    MoveTo(home_.x, home_.y);
    RefreshCount();
    ApplySkinFile(app_.CounterSkin(), app_.Settings().path + "\\popup.skn", Handle());
    return true;
}

void CCounterDlg::SetLanguageTexts() {
    LoadTemplateTexts(app_.LanguageTexts(), Handle(), 2001, {IDC_COUNTER_LABEL});
}

void CCounterDlg::RefreshCount() { SetItemText(IDC_COUNTER_COUNT, app_.Settings().blockedPopups); }

void CCounterDlg::ShowCount() {
    if (!Handle()) return;
    // WM_SHOWWINDOW comes only when the window was hidden.
    if (IsWindowVisible(Handle())) {
        OnShowWindow();
    } else {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
}

void CCounterDlg::OnShowWindow() {
    if (app_.Settings().languageChanged) SetLanguageTexts();
    KillTimer(TIMER_COUNTER_SLIDE);
    MoveTo(home_.x, home_.y);
    RefreshCount();
    SetTimer(TIMER_COUNTER_SHOWN, kShownMs);
}

void CCounterDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_COUNTER_SHOWN) {
        KillTimer(TIMER_COUNTER_SHOWN);
        SetTimer(TIMER_COUNTER_SLIDE, kSlideStepMs);
    } else if (id == TIMER_COUNTER_SLIDE) {
        SlideStep();
    }
}

// One pixel to the right per step until the left edge leaves the screen.
void CCounterDlg::SlideStep() {
    RECT rect = {};
    GetWindowRect(Handle(), &rect);
    if (rect.left < GetSystemMetrics(SM_CXSCREEN)) {
        MoveTo(rect.left + 1, rect.top);
        return;
    }
    KillTimer(TIMER_COUNTER_SLIDE);
    ShowWindow(Handle(), SW_HIDE);
}

void CCounterDlg::MoveTo(int left, int top) {
    SetWindowPos(Handle(), HWND_TOPMOST, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT CCounterDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wp) OnShowWindow();
        break;
    case WM_TIMER:
        OnTimer(wp);
        return 0;
    }
    return ui::Dialog::WindowProc(msg, wp, lp);
}

}  // namespace popup
