#pragma once
// Owner of one BSTR.
#include <windows.h>
#include <oleauto.h>
#include <string>

namespace com {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text);
    explicit Bstr(const std::string& text);
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(other.s_) { other.s_ = nullptr; }
    ~Bstr() { SysFreeString(s_); }

    BSTR get() const { return s_; }
    BSTR* put() { SysFreeString(s_); s_ = nullptr; return &s_; }
    // Gives the string to the caller; null only when allocation failed.
    BSTR detach() { BSTR s = s_; s_ = nullptr; return s; }
    std::wstring wide() const { return s_ ? std::wstring(s_, SysStringLen(s_)) : std::wstring(); }

private:
    BSTR s_ = nullptr;
};

// Hands text through a BSTR out parameter.
HRESULT ReturnString(const std::wstring& text, BSTR* out);

}  // namespace com
