#include "platform/ui/property_sheet.h"

#include "platform/guard/guard.h"
#include "platform/ui/app.h"
#include "platform/ui/controls.h"
#include "platform/ui/module.h"

namespace ui {
namespace {

// The sheet whose PropertySheet call runs on this thread: the platform's
// callback carries no data of its own.
thread_local PropertySheet* g_starting = nullptr;

// Extended templates start with version 1 and signature 0xFFFF; their
// style sits after the help id and the extended style.
DWORD* TemplateStyle(void* dialogTemplate) {
    auto* words = static_cast<WORD*>(dialogTemplate);
    if (words[0] == 1 && words[1] == 0xFFFF) return reinterpret_cast<DWORD*>(words + 6);
    return &static_cast<DLGTEMPLATE*>(dialogTemplate)->style;
}

}  // namespace

PropertyPage::PropertyPage(int templateId) : Dialog(templateId) {}

PROPSHEETPAGEA_V1 PropertyPage::Describe() {
    PROPSHEETPAGEA_V1 page = {};
    page.dwSize = sizeof(page);
    page.hInstance = ResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    if (hasHelp_) page.dwFlags |= PSP_HASHELP;
    if (!caption_.empty()) {
        page.dwFlags |= PSP_USETITLE;
        page.pszTitle = caption_.c_str();
    }
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* page = msg == WM_INITDIALOG
                       ? reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam)
                       : static_cast<Dialog*>(FromHandle(hwnd));
    return Route(page, hwnd, msg, wp, lp);
}

void PropertyPage::SetModified(bool changed) {
    modified_ = changed;
    if (Handle()) {
        SendMessageA(SheetHandle(), changed ? PSM_CHANGED : PSM_UNCHANGED,
                     reinterpret_cast<WPARAM>(Handle()), 0);
    }
}

bool PropertyPage::OnSetActive() { return true; }
bool PropertyPage::OnKillActive() { return UpdateData(true); }

bool PropertyPage::OnApply() {
    SetModified(false);
    return true;
}

void PropertyPage::OnReset() {}
bool PropertyPage::OnQueryCancel() { return true; }
LRESULT PropertyPage::OnWizardNext() { return 0; }
LRESULT PropertyPage::OnWizardBack() { return 0; }
bool PropertyPage::OnWizardFinish() { return true; }

bool PropertyPage::OnNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    case PSN_RESET:
        OnReset();
        result = 0;
        return true;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        return true;
    case PSN_WIZNEXT:
        result = OnWizardNext();
        return true;
    case PSN_WIZBACK:
        result = OnWizardBack();
        return true;
    case PSN_WIZFINISH:
        result = OnWizardFinish() ? FALSE : TRUE;
        return true;
    default:
        return Dialog::OnNotify(header, result);
    }
}

PropertySheet::PropertySheet(const std::string& caption, HWND parent, int startPage)
    : caption_(caption), parent_(parent), startPage_(startPage) {}

PropertySheet::~PropertySheet() {
    if (Handle() && modeless_) DestroyWindow(Handle());
}

void PropertySheet::AddPage(PropertyPage& page) { pages_.push_back(&page); }

void PropertySheet::ModifyFlags(DWORD remove, DWORD add) { flags_ = (flags_ & ~remove) | add; }

void PropertySheet::ModifyTemplateStyle(DWORD remove, DWORD add) {
    styleRemove_ |= remove;
    styleAdd_ |= add;
}

INT_PTR PropertySheet::Start(DWORD modeFlags) {
    // comctl32 steps through the pages by their own size.
    std::vector<PROPSHEETPAGEA_V1> descriptions;
    for (PropertyPage* page : pages_) descriptions.push_back(page->Describe());
    PROPSHEETHEADERA header = {};
    // No watermark or header bitmap: the size every comctl32 accepts.
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = flags_ | modeFlags | PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    header.hwndParent = parent_;
    header.hInstance = ResourceModule();
    header.pszCaption = caption_.c_str();
    header.nPages = static_cast<UINT>(descriptions.size());
    header.nStartPage = startPage_;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(descriptions.data());
    header.pfnCallback = SheetCallback;
    PropertySheet* outer = g_starting;
    g_starting = this;
    ended_ = false;
    INT_PTR result = ::PropertySheetA(&header);
    g_starting = outer;
    return result;
}

INT_PTR PropertySheet::DoModal() {
    if (Handle()) return -1;
    modeless_ = false;
    INT_PTR result = Start(0);
    if (ended_) return endCode_;
    if (result < 0) return -1;
    return result > 0 ? IDOK : IDCANCEL;
}

bool PropertySheet::Create(HWND parent, bool visible) {
    if (Handle()) return false;
    parent_ = parent;
    modeless_ = true;
    if (!visible) ModifyTemplateStyle(WS_VISIBLE, 0);
    return Start(PSH_MODELESS) > 0 && Handle();
}

void PropertySheet::EndSheet(INT_PTR code) {
    if (!Handle()) return;
    if (modeless_) {
        DestroyWindow(Handle());
        return;
    }
    endCode_ = code;
    ended_ = true;
    Post(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

int CALLBACK PropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM lp) {
    PropertySheet* sheet = g_starting;
    if (!sheet) return 0;
    guard::Run("property sheet callback", [&] {
        if (msg == PSCB_PRECREATE && lp) {
            DWORD* style = TemplateStyle(reinterpret_cast<void*>(lp));
            *style = (*style & ~sheet->styleRemove_) | sheet->styleAdd_;
        } else if (msg == PSCB_INITIALIZED && sheet->Subclass(hwnd)) {
            sheet->OnInitDialog();
        }
    });
    return 0;
}

bool PropertySheet::OnInitDialog() { return true; }

LRESULT PropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC && App::Current()) {
        if (HBRUSH brush = App::Current()->DialogColor(msg, reinterpret_cast<HDC>(wp))) {
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    LRESULT result = Window::WindowProc(msg, wp, lp);
    // A modeless sheet closed by OK or Cancel has no page left: it goes.
    if (msg == WM_COMMAND && modeless_ && Handle() && !Send(PSM_GETCURRENTPAGEHWND)) {
        DestroyWindow(Handle());
    }
    return result;
}

bool PropertySheet::PreTranslateMessage(MSG& msg) {
    // A modal sheet's own loop does this; a modeless one has no loop.
    if (!modeless_ || !Handle() || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    return Send(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)) != 0;
}

PropertyPage* PropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? pages_[index] : nullptr;
}

int PropertySheet::GetActiveIndex() const {
    HWND current = reinterpret_cast<HWND>(Send(PSM_GETCURRENTPAGEHWND));
    for (int index = 0; current && index < GetPageCount(); ++index) {
        if (pages_[index]->Handle() == current) return index;
    }
    return -1;
}

bool PropertySheet::SetActivePage(int index) {
    return Send(PSM_SETCURSEL, index, 0) != 0;
}

HWND PropertySheet::GetTabControl() const {
    return reinterpret_cast<HWND>(Send(PSM_GETTABCONTROL));
}

void PropertySheet::SetTabText(int index, const std::string& text) {
    SetTabItemText(GetTabControl(), index, text);
}

void PropertySheet::SetTitle(const std::string& title) {
    caption_ = title;
    if (Handle()) Send(PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(caption_.c_str()));
}

void PropertySheet::SetButtonText(int id, const std::string& text) { SetItemText(id, text); }

void PropertySheet::SetWizardButtons(DWORD flags) { Post(PSM_SETWIZBUTTONS, 0, flags); }

void PropertySheet::PressButton(int button) { Send(PSM_PRESSBUTTON, button); }

}  // namespace ui
