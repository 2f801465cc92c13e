#include "privacy/core/registry_key.h"

#include "privacy/core/text_routines.h"

namespace privacy {

HKEY ParseRootKey(const std::string& name) {
    struct Root {
        const char* longName;
        const char* shortName;
        HKEY key;
    };
    static const Root kRoots[] = {
        {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},
        {"HKEY_CURRENT_CONFIG", "HCC", HKEY_CURRENT_CONFIG},
        {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
        {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
        {"HKEY_USERS", "HKU", HKEY_USERS},
    };
    for (const Root& root : kRoots)
        if (EqualsNoCase(name, root.longName) || EqualsNoCase(name, root.shortName)) return root.key;
    return nullptr;
}

bool OpenRegistryPath(const std::string& path, KeyAccess access, CRegKey& key) {
    const size_t slash = path.find('\\');
    HKEY root = ParseRootKey(path.substr(0, slash));
    if (root == nullptr) return false;
    const std::string subKey = slash == std::string::npos ? std::string() : path.substr(slash + 1);
    switch (access) {
    case KeyAccess::Read:
        return key.Open(root, subKey.c_str(), KEY_READ);
    case KeyAccess::Write:
        return key.Open(root, subKey.c_str(), KEY_READ | KEY_WRITE);
    case KeyAccess::Create:
        return key.Create(root, subKey.c_str(), KEY_READ | KEY_WRITE);
    }
    return false;
}

bool CRegistryValue::Write() const {
    CRegKey key;
    return OpenRegistryPath(keyPath, KeyAccess::Create, key) &&
           key.WriteBytes(name.c_str(), type, data);
}

bool CRegistryValue::Delete() const {
    CRegKey key;
    return OpenRegistryPath(keyPath, KeyAccess::Write, key) && key.DeleteValue(name.c_str());
}

bool CRegistryValue::GetBinary(std::string& bytes) const {
    if (type != REG_BINARY) return false;
    bytes = data;
    return true;
}

bool CRegistryValue::SetBinaryLength(size_t length) {
    if (type != REG_BINARY) return false;
    data.resize(length, '\0');
    return true;
}

CRegistryKey::CRegistryKey(const std::string& fullPath) {
    const size_t slash = fullPath.rfind('\\');
    if (slash == std::string::npos) return;
    parentPath = fullPath.substr(0, slash);
    keyName = fullPath.substr(slash + 1);
}

bool CRegistryKey::Open(KeyAccess access, CRegKey& key) const {
    return !parentPath.empty() && !keyName.empty() && OpenRegistryPath(FullPath(), access, key);
}

bool CRegistryKey::WriteString(const std::string& name, const std::string& text) const {
    CRegKey key;
    return Open(KeyAccess::Create, key) && key.WriteString(name.c_str(), text);
}

bool CRegistryKey::WriteDWord(const std::string& name, DWORD value) const {
    CRegKey key;
    return Open(KeyAccess::Create, key) && key.WriteDword(name.c_str(), value);
}

bool CRegistryKey::ReadValue(const std::string& name, CRegistryValue& value) const {
    value = CRegistryValue(FullPath(), name, 0, std::string());
    CRegKey key;
    DWORD type = 0;
    std::string data;
    if (!Open(KeyAccess::Read, key) || !key.ReadBytes(name.c_str(), data, &type)) return false;
    value.type = type;
    value.data = data;
    return true;
}

void CRegistryKey::ReadValues() {
    values.clear();
    CRegKey key;
    if (!Open(KeyAccess::Read, key)) return;
    for (const std::string& name : key.ValueNames()) {
        DWORD type = 0;
        std::string data;
        if (key.ReadBytes(name.c_str(), data, &type))
            values.emplace_back(FullPath(), name, type, data);
    }
}

bool CRegistryKey::DeleteTree() const {
    CRegKey parent;
    return !keyName.empty() && OpenRegistryPath(parentPath, KeyAccess::Write, parent) &&
           parent.DeleteTree(keyName.c_str());
}

}  // namespace privacy
