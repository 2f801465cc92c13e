#pragma once
// The shredder's settings under HKEY_CURRENT_USER
// "Software\Velmora Scourwell\Shredder", read when asked (the pages and the
// engine read some of them anew at each use) and written at once.
#include <windows.h>

#include <string>

namespace shredder {

class ShredderSettings {
public:
    DWORD ReadDword(const char* name, DWORD fallback) const;
    bool WriteDword(const char* name, DWORD value) const;
    std::string ReadString(const char* name, const std::string& fallback) const;
    bool WriteString(const char* name, const std::string& value) const;

    int Method() const;
    std::string Language() const;   // "English" when missing or empty
    int FolderOption() const;       // 0 never, 1 prompt, 2 always
    int RemoveOption() const;
};

}  // namespace shredder
