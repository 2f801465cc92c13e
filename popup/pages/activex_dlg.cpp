#include "popup/pages/activex_dlg.h"

#include "platform/ui/module.h"
#include "popup/pages/page_texts.h"

namespace popup {

namespace {

// The radio buttons of each policy group: Enable, Disable, Prompt and, for
// running controls only, Administrator Approved.
struct GroupButtons {
    PolicyGroup group;
    int enable, disable, prompt, admin;
};

const GroupButtons kGroups[] = {
    {kSignedActiveX, IDC_AX_SIGNED_ENABLE, IDC_AX_SIGNED_DISABLE, IDC_AX_SIGNED_PROMPT, 0},
    {kUnsignedActiveX, IDC_AX_UNSIGNED_ENABLE, IDC_AX_UNSIGNED_DISABLE, IDC_AX_UNSIGNED_PROMPT, 0},
    {kNotMarkedSafe, IDC_AX_UNSAFE_ENABLE, IDC_AX_UNSAFE_DISABLE, IDC_AX_UNSAFE_PROMPT, 0},
    {kMarkedSafe, IDC_AX_SAFE_ENABLE, IDC_AX_SAFE_DISABLE, IDC_AX_SAFE_PROMPT, 0},
    {kRunActiveX, IDC_AX_RUN_ENABLE, IDC_AX_RUN_DISABLE, IDC_AX_RUN_PROMPT, IDC_AX_RUN_ADMIN},
};

int ButtonOf(const GroupButtons& buttons, PolicyChoice choice) {
    switch (choice) {
    case PolicyChoice::Enable:
        return buttons.enable;
    case PolicyChoice::Disable:
        return buttons.disable;
    case PolicyChoice::Prompt:
        return buttons.prompt;
    case PolicyChoice::AdminApproved:
        return buttons.admin;
    case PolicyChoice::None:
        break;
    }
    return 0;
}

}  // namespace

CActiveXPage::CActiveXPage(PageContext& context)
    : PropertyPage(IDD_ACTIVEX_PAGE), context_(context) {}

bool CActiveXPage::OnInitDialog() {
    PropertyPage::OnInitDialog();
    zones_.SubclassDlgItem(IDC_AX_ZONE, Handle());
    FillZoneCombo();
    RefreshControls();
    SetLanguageTexts();
    SetTimer(TIMER_ACTIVEX_NOTE_BLINK, 1000);
    context_.skin.ApplySkin(Handle());
    return true;
}

bool CActiveXPage::OnSetActive() {
    SetLanguageTexts();
    return PropertyPage::OnSetActive();
}

void CActiveXPage::SetLanguageTexts() {
    LoadControlTexts(context_.texts, Handle(), 8001,
                     {IDC_AX_ZONE_LABEL,      IDC_AX_SIGNED_GROUP,    IDC_AX_SIGNED_ENABLE,
                      IDC_AX_SIGNED_DISABLE,  IDC_AX_SIGNED_PROMPT,   IDC_AX_UNSIGNED_GROUP,
                      IDC_AX_UNSIGNED_ENABLE, IDC_AX_UNSIGNED_DISABLE, IDC_AX_UNSIGNED_PROMPT,
                      IDC_AX_UNSAFE_GROUP,    IDC_AX_UNSAFE_ENABLE,   IDC_AX_UNSAFE_DISABLE,
                      IDC_AX_UNSAFE_PROMPT,   IDC_AX_SAFE_GROUP,      IDC_AX_SAFE_ENABLE,
                      IDC_AX_SAFE_DISABLE,    IDC_AX_SAFE_PROMPT,     IDC_AX_RUN_GROUP,
                      IDC_AX_RUN_ENABLE,      IDC_AX_RUN_DISABLE,     IDC_AX_RUN_PROMPT,
                      IDC_AX_RUN_ADMIN,       IDC_AX_NOTE});
}

void CActiveXPage::FillZoneCombo() {
    icons_.Create(16, 16, ILC_COLOR24 | ILC_MASK, ActiveXPageModel::kZoneCount, 0);
    zones_.ResetContent();
    for (const ZoneInfo& zone : ActiveXPageModel::kZones) {
        HICON icon = static_cast<HICON>(LoadImageA(ui::ResourceModule(),
                                                   MAKEINTRESOURCEA(zone.iconId), IMAGE_ICON,
                                                   16, 16, LR_DEFAULTCOLOR));
        const int image = icon ? ImageList_AddIcon(icons_.Handle(), icon) : -1;
        if (icon) DestroyIcon(icon);
        zones_.AddItem(zone.name, image);
    }
    zones_.SetImageList(icons_);
}

void CActiveXPage::RefreshControls() {
    model_.SelectZone(0);
    zones_.SetCurSel(model_.SelectedZone());
    ShowPolicies();
}

void CActiveXPage::ShowPolicies() {
    for (const GroupButtons& buttons : kGroups) {
        for (int id : {buttons.enable, buttons.disable, buttons.prompt, buttons.admin})
            if (id) CheckDlgButton(Handle(), id, BST_UNCHECKED);
        const int ticked = ButtonOf(buttons, model_.Choice(buttons.group));
        if (ticked) CheckDlgButton(Handle(), ticked, BST_CHECKED);
    }
}

bool CActiveXPage::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_AX_ZONE && code == CBN_SELCHANGE) {
        model_.SelectZone(zones_.GetCurSel());
        ShowPolicies();
        return true;
    }
    if (code == BN_CLICKED) {
        for (const GroupButtons& buttons : kGroups) {
            for (PolicyChoice choice : {PolicyChoice::Enable, PolicyChoice::Disable,
                                        PolicyChoice::Prompt, PolicyChoice::AdminApproved}) {
                if (ButtonOf(buttons, choice) != static_cast<int>(id)) continue;
                model_.SetChoice(buttons.group, choice);
                SetModified();
                return true;
            }
        }
    }
    return PropertyPage::OnCommand(id, code, control);
}

LRESULT CActiveXPage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == TIMER_ACTIVEX_NOTE_BLINK) {
        ShowItem(IDC_AX_NOTE, noteShown_);
        noteShown_ = !noteShown_;
        return 0;
    }
    return PropertyPage::WindowProc(msg, wp, lp);
}

}  // namespace popup
