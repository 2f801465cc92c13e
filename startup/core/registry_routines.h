#pragma once
// Registry access of the loaders and the apply step: the Run keys' values
// enumerated by exact name and read, written and deleted whole, each key
// closed by its owner.
#include <windows.h>

#include <string>

#include "startup/core/value_text.h"

namespace startup {

// "Software\Microsoft\Windows\CurrentVersion\" + keyName.
std::string RunKeyPath(const std::string& keyName);

// One open key, closed with its owner.
class RegKey {
public:
    RegKey() = default;
    ~RegKey();
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // ERROR_SUCCESS or the system's error.
    LONG Open(HKEY root, const std::string& path, REGSAM access);
    LONG Create(HKEY root, const std::string& path);
    HKEY Handle() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// OpenRegKey: the key opened for value queries; check Handle() for success.
void OpenRegKey(HKEY root, const std::string& path, RegKey& key);
// mode 1: number of subkeys; any other mode: number of values; 0 on failure.
DWORD GetRegKeyCount(const RegKey& key, int mode);
// The exact name of the value at `index` (any length, nothing trimmed);
// false when there is none.
bool EnumRegValueName(const RegKey& key, DWORD index, std::string& name);

// One value as text (RegValueText); `type` receives the registry type and
// `data` the data byte for byte. False when missing.
bool ReadRegValue(HKEY root, const std::string& path, const std::string& name,
                  std::string& text, DWORD* type, std::string* data = nullptr);
// Creates the key when needed; `type` is REG_SZ or REG_EXPAND_SZ.
LONG WriteRegValue(HKEY root, const std::string& path, const std::string& name,
                   const std::string& text, DWORD type);
// The same with the data as given, byte for byte, under any type.
LONG WriteRegBytes(HKEY root, const std::string& path, const std::string& name,
                   const std::string& data, DWORD type);
// A value or key already missing counts as deleted.
LONG DeleteRegValue(HKEY root, const std::string& path, const std::string& name);

// GetKeyValue of the About box: a string or DWORD value read with query
// access only; false when the key or value cannot be read.
bool GetKeyValue(HKEY root, const std::string& path, const std::string& name, std::string& value);

}  // namespace startup
