#include "platform/com/bstr.h"

#include "platform/com/text.h"

namespace com {

Bstr::Bstr(const std::wstring& text)
    : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}

Bstr::Bstr(const std::string& text) : Bstr(Widen(text)) {}

HRESULT ReturnString(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = Bstr(text).detach();
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace com
