#include "platform/ui/widgets/check_list_ctrl.h"

namespace ui {

namespace {

const COLORREF kGreyText = RGB(192, 192, 192);

bool TickOf(UINT state) {
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

}  // namespace

bool CCheckListCtrl::Bind(HWND dialog, int id, CheckList& rows, std::function<void()> changed) {
    rows_ = &rows;
    changed_ = std::move(changed);
    if (!SubclassDlgItem(id, dialog)) return false;
    SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    return true;
}

void CCheckListCtrl::Fill(const std::string& heading) {
    showing_ = true;
    DeleteAllItems();
    if (GetColumnCount() == 0) {
        RECT area{};
        GetClientRect(Handle(), &area);
        InsertColumn(0, heading, area.right - area.left - GetSystemMetrics(SM_CXVSCROLL));
    }
    for (size_t row = 0; row < rows_->Count(); ++row)
        InsertItem(static_cast<int>(row), rows_->Name(row));
    showing_ = false;
    ShowTicks();
}

void CCheckListCtrl::ShowTicks() {
    showing_ = true;
    for (size_t row = 0; row < rows_->Count(); ++row)
        SetCheck(static_cast<int>(row), rows_->IsChecked(row));
    showing_ = false;
}

bool CCheckListCtrl::OnReflectedNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case NM_CUSTOMDRAW:
        result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        return true;
    case LVN_ITEMCHANGING:
        result = OnItemChanging(reinterpret_cast<NMLISTVIEW&>(header)) ? FALSE : TRUE;
        return true;
    default:
        return false;
    }
}

LRESULT CCheckListCtrl::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        const size_t row = static_cast<size_t>(draw.nmcd.dwItemSpec);
        if (rows_ && row < rows_->Count() && rows_->IsGreyed(row)) {
            draw.nmcd.uItemState |= CDIS_DISABLED;
            draw.clrText = kGreyText;
        }
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

bool CCheckListCtrl::OnItemChanging(const NMLISTVIEW& change) {
    if (showing_ || !rows_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return true;
    // Only a change of the check box goes through the list of rows.
    if (((change.uOldState ^ change.uNewState) & LVIS_STATEIMAGEMASK) == 0) return true;
    const size_t row = static_cast<size_t>(change.iItem);
    // A state image that is neither ticked nor unticked is the control's
    // own set-up of a new row.
    if ((change.uNewState & LVIS_STATEIMAGEMASK) == 0) return true;
    const bool wanted = TickOf(change.uNewState);
    const bool now = rows_->SetChecked(row, wanted);
    if (now != wanted) return false;
    SetItemState(change.iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (changed_) changed_();
    return true;
}

}  // namespace ui
