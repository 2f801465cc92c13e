#include "platform/com/text.h"

#include <objbase.h>

namespace com {

std::wstring Widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    if (!text || !*text) return std::string();
    int length = lstrlenW(text);
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::string Narrow(const std::wstring& text) { return Narrow(text.c_str()); }

std::string GuidText(REFGUID guid) {
    wchar_t buffer[40] = {};
    StringFromGUID2(guid, buffer, 40);
    return Narrow(buffer);
}

std::wstring TakeTaskMemString(LPWSTR text) {
    if (!text) return std::wstring();
    std::wstring copy(text, static_cast<size_t>(lstrlenW(text)));
    CoTaskMemFree(text);
    return copy;
}

}  // namespace com
