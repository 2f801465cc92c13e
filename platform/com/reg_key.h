#pragma once
// Owner of one open registry key.
#include <windows.h>

#include <string>

namespace com {

class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() { close(); }

    // Creates (or opens) parent\path for writing.
    LONG create(HKEY parent, const std::string& path);
    // A REG_SZ value; an empty name is the key's default value.
    LONG setString(const std::string& name, const std::string& value);
    void close();
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace com
