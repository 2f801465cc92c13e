#include "tuning/model/win32_registry.h"

#include <shlwapi.h>

#include "platform/registry/reg_key.h"

namespace tuning {
namespace {

// One key opened below a hive, closed with its owner.
class OpenKey {
public:
    OpenKey(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    explicit OpenKey(HKEY opened) : key_(opened) {}
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Only a key or value that is not there is missing.
ReadResult Outcome(LONG error) {
    return error == ERROR_FILE_NOT_FOUND ? ReadResult::Missing : ReadResult::Failed;
}

}  // namespace

bool Win32Registry::KeyExists(Hive hive, const std::string& path) const {
    return OpenKey(Root(hive), path, KEY_READ).get() != nullptr;
}

bool Win32Registry::CreateKey(Hive hive, const std::string& path) {
    CRegKey key;
    return key.Create(Root(hive), path.c_str(), KEY_WRITE);
}

bool Win32Registry::DeleteTree(Hive hive, const std::string& path) {
    SHDeleteKeyA(Root(hive), path.c_str());
    return !KeyExists(hive, path);
}

ReadResult Win32Registry::Query(Hive hive, const std::string& path, const std::string& name,
                                RegValue& value) const {
    HKEY opened = nullptr;
    LONG result = RegOpenKeyExA(Root(hive), path.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (result != ERROR_SUCCESS) return Outcome(result);
    const OpenKey key(opened);
    // The value may grow between the size query and the read.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
        if (result != ERROR_SUCCESS) return Outcome(result);
        std::string data(size, '\0');
        result = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                  size ? reinterpret_cast<BYTE*>(&data[0]) : nullptr, &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return Outcome(result);
        data.resize(size);
        value.type = type;
        value.data = data;
        return ReadResult::Found;
    }
    return ReadResult::Failed;
}

bool Win32Registry::Write(Hive hive, const std::string& path, const std::string& name,
                          const RegValue& value) {
    OpenKey key(Root(hive), path, KEY_SET_VALUE);
    return key.get() &&
           RegSetValueExA(key.get(), name.c_str(), 0, value.type,
                          reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Hive hive, const std::string& path, const std::string& name) {
    OpenKey key(Root(hive), path, KEY_SET_VALUE | KEY_QUERY_VALUE);
    if (!key.get()) return !KeyExists(hive, path);
    const LONG result = RegDeleteValueA(key.get(), name.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::vector<std::string> Win32Registry::SubKeys(Hive hive, const std::string& path) const {
    std::vector<std::string> names;
    OpenKey key(Root(hive), path, KEY_READ);
    if (!key.get()) return names;
    char name[MAX_PATH];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof(name);
        const LONG result =
            RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS)
            names.emplace_back(name, length);
        else if (result != ERROR_MORE_DATA)
            break;
    }
    return names;
}

std::vector<std::string> Win32Registry::ValueNames(Hive hive, const std::string& path) const {
    CRegKey key;
    if (!key.Open(Root(hive), path.c_str(), KEY_READ)) return {};
    return key.ValueNames();
}

}  // namespace tuning
