#include "platform/com/error.h"

#include <oleauto.h>

#include <cstdio>

#include "platform/com/bstr.h"
#include "platform/com/com_ptr.h"
#include "platform/com/module.h"
#include "platform/com/text.h"

namespace com {
namespace {

std::string SystemText(HRESULT code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length && buffer) {
        text.assign(buffer, length);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
            text.pop_back();
    }
    if (buffer) LocalFree(buffer);
    if (text.empty()) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "Error 0x%08lX",
                      static_cast<unsigned long>(code));
        text = fallback;
    }
    return text;
}

}  // namespace

HRESULT RaiseError(HRESULT code, const std::string& text, REFIID iid) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.put()))) {
        Bstr description(text);
        Bstr source(module::Name());
        create->SetDescription(description.get());
        create->SetSource(source.get());
        create->SetGUID(iid);
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(info.queryFrom(create.get(), IID_IErrorInfo))) SetErrorInfo(0, info.get());
    }
    return code;
}

HRESULT RaiseSystemError(HRESULT code, REFIID iid) {
    return RaiseError(code, SystemText(code), iid);
}

}  // namespace com
