#pragma once
// One open registry key, closed by its owner.
#include <windows.h>

#include <string>
#include <vector>

namespace browser {

class RegKey {
public:
    RegKey() = default;
    ~RegKey();
    RegKey(RegKey&& other) noexcept;
    RegKey& operator=(RegKey&& other) noexcept;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    static RegKey Open(HKEY root, const char* path, REGSAM access);
    static RegKey Create(HKEY root, const char* path);

    bool IsOpen() const { return key_ != nullptr; }

    bool ReadDword(const char* name, DWORD& value) const;
    // A string value, without its terminator.
    bool ReadString(const char* name, std::string& value) const;
    // The whole value, whatever its length.
    bool ReadBytes(const char* name, std::string& value) const;
    bool WriteDword(const char* name, DWORD value) const;
    std::vector<std::string> ValueNames() const;

private:
    explicit RegKey(HKEY key) : key_(key) {}
    HKEY key_ = nullptr;
};

}  // namespace browser
