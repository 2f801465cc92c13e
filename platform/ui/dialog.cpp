#include "platform/ui/dialog.h"

#include "platform/guard/guard.h"
#include "platform/ui/app.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/module.h"

namespace ui {
namespace {

// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT msg) {
    switch (msg) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
    }
}

}  // namespace

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    if (Handle() && !modal_) DestroyWindow(Handle());
}

INT_PTR Dialog::DoModal(HWND parent) {
    modal_ = true;
    INT_PTR result = DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), parent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool Dialog::Create(HWND parent) {
    if (Handle()) return false;
    modal_ = false;
    return CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), parent,
                              DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR code) {
    if (modal_) {
        ::EndDialog(Handle(), code);
    } else {
        Destroy();
    }
}

bool Dialog::UpdateData(bool save) {
    DataExchange exchange(*this, save);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::PreTranslateMessage(MSG& msg) {
    // A modeless top-level dialog has no loop of its own: the keyboard interface
    // (Tab, Enter, Escape) comes through here.
    if (modal_ || !Handle() || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    if (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_CHILD) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    return IsDialogMessageA(Handle(), &msg) != FALSE;
}

LRESULT Dialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) return OnInitDialog() ? TRUE : FALSE;
    // The program's dialog colour fills the background itself: a property
    // page's body is otherwise drawn by the tab control's theme.
    if (msg == WM_ERASEBKGND && App::Current()) {
        HDC dc = reinterpret_cast<HDC>(wp);
        if (HBRUSH brush = App::Current()->DialogColor(WM_CTLCOLORDLG, dc)) {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(dc, &client, brush);
            return TRUE;
        }
    }
    LRESULT result = Window::WindowProc(msg, wp, lp);
    if (defaulted_ && msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC && App::Current()) {
        if (HBRUSH brush = App::Current()->DialogColor(msg, reinterpret_cast<HDC>(wp))) {
            defaulted_ = false;
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    return result;
}

LRESULT Dialog::DefaultProc(UINT, WPARAM, LPARAM) {
    defaulted_ = true;
    return 0;
}

bool Dialog::OnCommand(UINT id, UINT code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR Dialog::Route(Dialog* dialog, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!dialog) return FALSE;
    if (msg == WM_INITDIALOG && !dialog->Handle() &&
        !guard::Call("dialog creation", false, [&] { return dialog->Attach(hwnd); })) {
        return FALSE;
    }
    bool outer = dialog->defaulted_;
    dialog->defaulted_ = false;
    LRESULT result = dialog->Dispatch(msg, wp, lp);
    bool defaulted = dialog->defaulted_;
    dialog->defaulted_ = outer;
    if (AnswersDirectly(msg)) return defaulted ? FALSE : static_cast<INT_PTR>(result);
    if (defaulted) return FALSE;
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* dialog = msg == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lp)
                                          : static_cast<Dialog*>(FromHandle(hwnd));
    return Route(dialog, hwnd, msg, wp, lp);
}

}  // namespace ui
