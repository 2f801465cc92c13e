#pragma once
// One open registry key, closed when it goes out of scope.
#include <windows.h>

#include <string>

class RegKey {
public:
    // Opens an existing key; IsOpen() tells whether that worked.
    RegKey(HKEY root, const std::string& path, REGSAM access);
    ~RegKey();
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool IsOpen() const { return key_ != nullptr; }
    // False when the value is missing or is not a REG_DWORD.
    bool ReadDword(const char* name, DWORD& value) const;
    bool WriteDword(const char* name, DWORD value);

private:
    HKEY key_ = nullptr;
};
