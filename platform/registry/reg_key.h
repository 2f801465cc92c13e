#pragma once
// One open registry key, closed by its owner. Text reads are bounded: a value
// that does not fit the buffer counts as missing and is never read past.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey();
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    bool Open(HKEY root, const char* subKey, REGSAM access);
    bool Create(HKEY root, const char* subKey, REGSAM access = KEY_ALL_ACCESS);
    bool IsOpen() const { return key_ != nullptr; }

    // A REG_SZ of at most bufferSize - 1 characters; false when the value is
    // missing, of another type or too long (then `value` is unchanged).
    bool ReadString(const char* name, std::string& value, std::size_t bufferSize = 260) const;
    // The whole value as stored, of any type and length; `type`, when given,
    // receives its registry type.
    bool ReadBytes(const char* name, std::string& value, DWORD* type = nullptr) const;
    bool ReadDword(const char* name, DWORD& value) const;
    bool WriteString(const char* name, const std::string& value) const;
    bool WriteDword(const char* name, DWORD value) const;
    // The value as `type` with exactly `data` as its bytes.
    bool WriteBytes(const char* name, DWORD type, const std::string& data) const;
    // True when the value is gone afterwards (a missing one counts).
    bool DeleteValue(const char* name) const;
    // Removes the subkey `subKey` with everything below it.
    bool DeleteTree(const char* subKey) const;
    std::vector<std::string> ValueNames() const;
    // The subkeys' names, in the registry's enumeration order.
    std::vector<std::string> SubKeyNames() const;
    // 0 as well when the key cannot say.
    DWORD SubKeyCount() const;

private:
    void Close();

    HKEY key_ = nullptr;
};
