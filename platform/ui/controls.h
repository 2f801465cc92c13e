#pragma once
// Thin wrappers of the common controls: a window object with the control's
// messages as methods. Bind one to a dialog item with SubclassDlgItem (or
// DataExchange::Control) and derive from it to handle the control's own
// reflected notifications.
#include "platform/ui/window.h"

#include <commctrl.h>
#include <string>

namespace ui {

class ImageList;

bool SetTabItemText(HWND tab, int index, const std::string& text);

class Button : public Window {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) { Send(BM_SETCHECK, state); }
    void Click() { Send(BM_CLICK); }
};

class Edit : public Window {
public:
    void SetLimitText(int chars) { Send(EM_LIMITTEXT, chars); }
    void SetSel(int start, int end) { Send(EM_SETSEL, start, end); }
};

class Static : public Window {
public:
    HICON SetIcon(HICON icon) {
        return reinterpret_cast<HICON>(Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
};

class ComboBox : public Window {
public:
    int AddString(const std::string& text);
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) { Send(CB_SETCURSEL, index); }
    std::string GetLBText(int index) const;
    // Whole-text search, letter case ignored; CB_ERR when absent.
    int FindStringExact(const std::string& text) const;
    void ResetContent() { Send(CB_RESETCONTENT); }
};

// The extended combo box: items with an image from its image list.
class ComboBoxEx : public Window {
public:
    void SetImageList(const ImageList& images);
    // Appends an item; image -1 shows none. Index or -1.
    int AddItem(const std::string& text, int image);
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) { Send(CB_SETCURSEL, index); }
    std::string GetItemString(int index) const;
    void ResetContent() { Send(CB_RESETCONTENT); }
};

// Progress bar with 32-bit range and position.
class ProgressBar : public Window {
public:
    void SetRange32(int lower, int upper) { Send(PBM_SETRANGE32, lower, upper); }
    int SetPos(int position) { return static_cast<int>(Send(PBM_SETPOS, position)); }
    int GetPos() const { return static_cast<int>(Send(PBM_GETPOS)); }
    int GetUpper() const { return static_cast<int>(Send(PBM_GETRANGE, FALSE)); }
};

class TabCtrl : public Window {
public:
    int GetItemCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
    bool SetTabText(int index, const std::string& text) { return SetTabItemText(Handle(), index, text); }
    std::string GetTabText(int index) const;
};

}  // namespace ui
