#include "platform/ui/controls.h"

#include "platform/ui/image_list.h"

#include <vector>

namespace ui {

bool SetTabItemText(HWND tab, int index, const std::string& text) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    return SendMessageA(tab, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

int ComboBox::AddString(const std::string& text) {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string ComboBox::GetLBText(int index) const {
    LRESULT length = Send(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) return std::string();
    std::vector<char> text(length + 1, '\0');
    Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int ComboBox::FindStringExact(const std::string& text) const {
    return static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBoxEx::SetImageList(const ImageList& images) {
    Send(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Handle()));
}

int ComboBoxEx::AddItem(const std::string& text, int image) {
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = -1;
    item.pszText = const_cast<char*>(text.c_str());
    if (image >= 0) {
        item.mask |= CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iImage = image;
        item.iSelectedImage = image;
    }
    return static_cast<int>(Send(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string ComboBoxEx::GetItemString(int index) const {
    char text[260] = {};
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    if (!Send(CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return std::string();
    return text;
}

std::string TabCtrl::GetTabText(int index) const {
    char text[260] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    if (!Send(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return std::string();
    return text;
}

}  // namespace ui
