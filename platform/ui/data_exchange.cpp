#include "platform/ui/data_exchange.h"

#include "platform/ui/app.h"
#include "platform/ui/dialog.h"

#include <cerrno>
#include <cstdlib>

namespace ui {
namespace {

bool ParseInt(const std::string& text, long long& value) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (!*begin) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(begin, &end, 10);
    if (errno == ERANGE) return false;
    while (*end == ' ' || *end == '\t') ++end;
    return *end == '\0';
}

bool IsRadio(HWND hwnd) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    if (lstrcmpiA(className, "Button") != 0) return false;
    LONG_PTR type = GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

void DataExchange::Refuse(int id, const std::string& message) {
    ShowMessage(dialog_.Handle(), message, MB_OK | MB_ICONEXCLAMATION);
    HWND control = dialog_.Item(id);
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
    failed_ = true;
}

void DataExchange::Text(int id, std::string& value, int maxChars) {
    if (failed_) return;
    HWND control = dialog_.Item(id);
    if (!save_) {
        if (maxChars > 0) SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
        SetWindowTextA(control, value.c_str());
        return;
    }
    std::string text = WindowText(control);
    if (maxChars > 0 && static_cast<int>(text.size()) > maxChars) {
        Refuse(id, "Please enter no more than " + std::to_string(maxChars) + " characters.");
        return;
    }
    value = text;
}

void DataExchange::Int(int id, int& value, int minimum, int maximum) {
    if (failed_) return;
    if (!save_) {
        SetDlgItemTextA(dialog_.Handle(), id, std::to_string(value).c_str());
        return;
    }
    long long number = 0;
    if (!ParseInt(dialog_.GetItemText(id), number) || number < minimum || number > maximum) {
        std::string prompt = "Please enter an integer between %1 and %2.";
        prompt.replace(prompt.find("%1"), 2, std::to_string(minimum));
        prompt.replace(prompt.find("%2"), 2, std::to_string(maximum));
        Refuse(id, prompt);
        return;
    }
    value = static_cast<int>(number);
}

void DataExchange::Check(int id, int& value) {
    if (failed_) return;
    if (save_) {
        value = static_cast<int>(SendMessageA(dialog_.Item(id), BM_GETCHECK, 0, 0));
    } else {
        SendMessageA(dialog_.Item(id), BM_SETCHECK, value, 0);
    }
}

void DataExchange::Radio(int firstId, int& value) {
    if (failed_) return;
    HWND first = dialog_.Item(firstId);
    if (save_) value = -1;
    int index = 0;
    for (HWND button = first; button && IsRadio(button); button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP)) break;
        if (save_) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DataExchange::Control(int id, Window& control) {
    if (failed_ || control.Handle()) return;
    control.SubclassDlgItem(id, dialog_.Handle());
}

}  // namespace ui
