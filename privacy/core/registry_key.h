#pragma once
// The privacy program's registry access by full text paths (a root name,
// "\" and the subkey path): each operation opens (or creates) its key,
// works and closes it. Reads ask for read access only; value data is sized from the value.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/registry/reg_key.h"

namespace privacy {

// The predefined key a root name stands for (any case): HKEY_CLASSES_ROOT
// or HKCR, HKEY_CURRENT_CONFIG or HCC, HKEY_CURRENT_USER or HKCU,
// HKEY_LOCAL_MACHINE or HKLM, HKEY_USERS or HKU; null for any other.
HKEY ParseRootKey(const std::string& name);

enum class KeyAccess { Read, Write, Create };
// Opens "<root>\<subkey>" (a path without "\" opens the root itself).
bool OpenRegistryPath(const std::string& path, KeyAccess access, CRegKey& key);

class CRegistryValue {
public:
    CRegistryValue() = default;
    CRegistryValue(std::string keyPath, std::string name, DWORD type, std::string data)
        : type(type), keyPath(std::move(keyPath)), name(std::move(name)), data(std::move(data)) {}

    // Sets the value in its key (created when missing).
    bool Write() const;
    bool Delete() const;
    // REG_BINARY only: the bytes; false for any other type.
    bool GetBinary(std::string& bytes) const;
    // REG_BINARY only: the data cut or zero-extended to `length` bytes.
    bool SetBinaryLength(size_t length);

    DWORD type = 0;
    std::string keyPath;
    std::string name;
    std::string data;
};

class CRegistryKey {
public:
    // Splits the path at its last "\" into parent path and key name; a path
    // without one leaves both empty, and every operation does nothing.
    explicit CRegistryKey(const std::string& fullPath);

    std::string FullPath() const { return parentPath + "\\" + keyName; }
    bool Open(KeyAccess access, CRegKey& key) const;

    bool WriteString(const std::string& name, const std::string& text) const;
    bool WriteDWord(const std::string& name, DWORD value) const;
    // The whole value, of any length; false when it is missing (the value
    // object then has type 0 and no data).
    bool ReadValue(const std::string& name, CRegistryValue& value) const;
    // Fills `values` with every value of the key.
    void ReadValues();
    // Removes the key with all its subkeys; the parent is never created.
    bool DeleteTree() const;

    std::string parentPath;
    std::string keyName;
    std::vector<CRegistryValue> values;
};

}  // namespace privacy
