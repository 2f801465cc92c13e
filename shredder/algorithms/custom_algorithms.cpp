#include "shredder/algorithms/custom_algorithms.h"

#include <windows.h>
#include <shlwapi.h>

#include "common/suite/scourwell.h"
#include "platform/registry/reg_key.h"

namespace shredder {

namespace {

using suite::scourwell::kAlgorithmsKey;

bool ReadPass(const std::string& algorithmName, int index, Pass& pass) {
    CRegKey key;
    const std::string name = std::string(kAlgorithmsKey) + "\\" + algorithmName + "\\Pass " +
                             std::to_string(index);
    if (!key.Open(HKEY_CURRENT_USER, name.c_str(), KEY_READ)) return false;
    std::string write;
    if (!key.ReadString("write", write)) return false;
    if (write == "Random") {
        pass.kind = PassKind::Random;
        return true;
    }
    if (write == "Complement") {
        pass.kind = PassKind::Complement;
        return true;
    }
    if (write != "Pattern") return false;
    pass.kind = PassKind::Pattern;
    DWORD length = 0;
    if (!key.ReadDword("Pattern Length", length) || length > kMaxPatternLength) return false;
    pass.pattern.resize(length);
    for (DWORD b = 0; b < length; ++b) {
        DWORD value = 0;
        if (!key.ReadDword(("Byte " + std::to_string(b)).c_str(), value)) return false;
        pass.pattern[b] = static_cast<unsigned char>(value & 0xFF);
    }
    return true;
}

bool ReadAlgorithm(const std::string& name, Algorithm& algorithm) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, (std::string(kAlgorithmsKey) + "\\" + name).c_str(), KEY_READ))
        return false;
    DWORD count = 0;
    if (!key.ReadString("Description", algorithm.description, 200) ||
        !key.ReadDword("PassesCount", count))
        return false;
    // The count is a signed value where it is written: 0, a "negative" one
    // and one past the bound all mean no usable algorithm.
    if (count == 0 || count > kMaxPasses) return false;
    algorithm.name = name;
    algorithm.custom = true;
    algorithm.passes.resize(count);
    for (DWORD i = 0; i < count; ++i) {
        if (!ReadPass(name, static_cast<int>(i), algorithm.passes[i]))
            return false;
    }
    return true;
}

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::string buffer(longest + 2, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(buffer.size());
        if (RegEnumKeyExA(key, index, &buffer[0], &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(buffer.data(), length);
    }
    return names;
}

}  // namespace

bool LoadCustomAlgorithms(AlgorithmTable& table) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAlgorithmsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::vector<std::string> names = SubkeyNames(key);
    RegCloseKey(key);
    for (const std::string& name : names) {
        Algorithm algorithm;
        if (ReadAlgorithm(name, algorithm)) table.push_back(std::move(algorithm));
    }
    return true;
}

bool DeleteCustomAlgorithm(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAlgorithmsKey, 0, KEY_READ | KEY_WRITE, &key) !=
        ERROR_SUCCESS)
        return true;
    bool ok = true;
    for (const std::string& subkey : SubkeyNames(key)) {
        if (subkey != name) continue;
        ok = SHDeleteKeyA(key, subkey.c_str()) == ERROR_SUCCESS;
        break;
    }
    RegCloseKey(key);
    return ok;
}

}  // namespace shredder
