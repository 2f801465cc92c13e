#include "privacy/app/blocking_options_dlg.h"

#include "privacy/app/page_helpers.h"
#include "privacy/app/res/sites_page_res.h"
#include "privacy/look/language_texts.h"

namespace privacy {

CBlockingOptionsDlg::CBlockingOptionsDlg(const BlockingChoice& choice)
    : CDialogSkin1(IDD_BLOCKING_OPTIONS), choice_(choice) {}

int* CBlockingOptionsDlg::Box(UINT id) {
    switch (id) {
    case IDC_OPT_DEFAULTS: return &choice_.useDefaults;
    case IDC_OPT_WHOLE_SITE: return &choice_.wholeSite;
    case IDC_OPT_IMAGES: return &choice_.images;
    case IDC_OPT_POPUPS: return &choice_.popups;
    case IDC_OPT_USER_INFO: return &choice_.userInfo;
    case IDC_OPT_HUB: return &choice_.hub;
    }
    return nullptr;
}

bool CBlockingOptionsDlg::OnInitDialog() {
    CDialogSkin1::OnInitDialog();
    ShowWindow(MinimiseButton().Handle(), SW_HIDE);
    ok_.BindDlgItem(IDOK, Handle());
    cancel_.BindDlgItem(IDCANCEL, Handle());
    SetText(Text(60));
    ApplyItemTexts(Handle(), {{IDOK, 67}, {IDCANCEL, 68}, {IDC_OPT_DEFAULTS, 64},
                              {IDC_OPT_CUSTOM_LABEL, 65}, {IDC_OPT_WHOLE_SITE, 66},
                              {IDC_OPT_IMAGES, 46}, {IDC_OPT_POPUPS, 47},
                              {IDC_OPT_USER_INFO, 48}, {IDC_OPT_HUB, 49}});
    for (UINT id = IDC_OPT_DEFAULTS; id <= IDC_OPT_HUB; ++id)
        CheckDlgButton(Handle(), id, *Box(id) ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnables();
    return true;
}

void CBlockingOptionsDlg::ApplyEnables() {
    const BlockingEnables enables = EnablesOf(choice_);
    EnableItem(IDC_OPT_WHOLE_SITE, enables.wholeSite);
    EnableItem(IDC_OPT_CUSTOM_LABEL, enables.wholeSite);
    for (UINT id : {IDC_OPT_IMAGES, IDC_OPT_POPUPS, IDC_OPT_USER_INFO, IDC_OPT_HUB})
        EnableItem(id, enables.custom);
}

bool CBlockingOptionsDlg::OnCommand(UINT id, UINT code, HWND control) {
    int* box = Box(id);
    if (box != nullptr && code == BN_CLICKED) {
        *box = Checked(static_cast<int>(id)) ? 1 : 0;
        if (id == IDC_OPT_DEFAULTS || id == IDC_OPT_WHOLE_SITE) ApplyEnables();
        return true;
    }
    return CDialogSkin1::OnCommand(id, code, control);
}

}  // namespace privacy
