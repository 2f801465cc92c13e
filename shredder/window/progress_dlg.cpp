#include "shredder/window/progress_dlg.h"

#include <commctrl.h>

#include "shredder/res/progress_dlg_res.h"

namespace shredder {

void BarScale::SetRange(uint32_t maximum) {
    range_ = maximum;
    shift_ = 0;
    while ((range_ >> shift_) > 0x7FFFFFFF) ++shift_;
}

int BarScale::Position(uint64_t position) const {
    if (position > range_) position = range_;
    return static_cast<int>(position >> shift_);
}

CProgressDlg::CProgressDlg(const ShredderTexts& texts, ProgressHost& host)
    : Dialog(IDD_PROGRESS), texts_(texts), host_(host) {}

bool CProgressDlg::OpenProgress() {
    if (!Handle()) {
        HWND sheet = host_.SheetWindow();
        if (!Create(sheet)) return false;
        // Nothing else starts from the sheet until the engine is done.
        if (sheet && IsWindowEnabled(sheet)) {
            EnableWindow(sheet, FALSE);
            disabledSheet_ = sheet;
        }
        host_.ProgressShown(true);
    }
    EnableCancel(true);
    ShowWindow(Handle(), SW_SHOW);
    return true;
}

void CProgressDlg::CloseProgress() {
    if (!Handle()) return;
    host_.ProgressShown(false);
    if (disabledSheet_) EnableWindow(disabledSheet_, TRUE);
    disabledSheet_ = nullptr;
    Destroy();
}

bool CProgressDlg::OnInitDialog() {
    host_.Skin().ApplySkin(Handle());
    SetLanguageTexts();
    SendDlgItemMessageA(Handle(), IDC_PROGRESS_TOTAL, PBM_SETSTEP, 1, 0);
    return Dialog::OnInitDialog();
}

void CProgressDlg::SetLanguageTexts() {
    SetText(texts_.Caption("9900", "Shredding....."));
    SetItemText(IDCANCEL, texts_.Text("9901", "Cancel"));
}

void CProgressDlg::SetTitle(const std::string& text) {
    if (Handle()) SetText(text);
}

void CProgressDlg::SetFileLine(const std::string& text) {
    if (Handle()) SetItemText(IDC_PROGRESS_FILE, text);
}

void CProgressDlg::SetPassLine(const std::string& text) {
    if (Handle()) SetItemText(IDC_PROGRESS_PASS, text);
}

void CProgressDlg::SetItemRange(uint32_t maximum) {
    item_.SetRange(maximum);
    if (Handle()) SendDlgItemMessageA(Handle(), IDC_PROGRESS_ITEM, PBM_SETRANGE32, 0, item_.Range());
}

void CProgressDlg::SetItemPos(uint32_t position) {
    if (Handle()) SendDlgItemMessageA(Handle(), IDC_PROGRESS_ITEM, PBM_SETPOS, item_.Position(position), 0);
}

void CProgressDlg::SetTotalRange(uint32_t maximum) {
    total_.SetRange(maximum);
    totalDone_ = 0;
    if (!Handle()) return;
    SendDlgItemMessageA(Handle(), IDC_PROGRESS_TOTAL, PBM_SETRANGE32, 0, total_.Range());
    SendDlgItemMessageA(Handle(), IDC_PROGRESS_TOTAL, PBM_SETPOS, 0, 0);
}

void CProgressDlg::StepTotal() {
    ++totalDone_;
    if (Handle())
        SendDlgItemMessageA(Handle(), IDC_PROGRESS_TOTAL, PBM_SETPOS, total_.Position(totalDone_), 0);
}

void CProgressDlg::EnableCancel(bool enable) {
    if (Handle()) EnableItem(IDCANCEL, enable && !host_.AbortFlag());
}

bool CProgressDlg::ShouldAbort() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The program is asked to end: the run stops, and the quit stays
        // for the message loop that ends the program.
        if (msg.message == WM_QUIT) {
            host_.AbortFlag() = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        // Escape and Tab reach the window as they would in a dialog loop.
        if (Handle() && IsDialogMessageA(Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return host_.AbortFlag();
}

void CProgressDlg::OnCancel() {
    host_.AbortFlag() = true;
    EnableItem(IDCANCEL, false);
}

LRESULT CProgressDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // A running shred stops at its next check; the session may go on ending.
    if (msg == WM_QUERYENDSESSION) host_.AbortFlag() = true;
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace shredder
