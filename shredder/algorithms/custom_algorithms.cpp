#include "shredder/algorithms/custom_algorithms.h"

#include <windows.h>

#include "common/suite/scourwell.h"
#include "platform/registry/reg_key.h"
#include "shredder/algorithms/stored_algorithm.h"

namespace shredder {

namespace {

using suite::scourwell::kAlgorithmsKey;

const char kProductKey[] = "Software\\Velmora Scourwell";

// The values of one algorithm's key and its pass subkeys, keeping the last
// opened subkey so a long pattern is read through one open key.
class RegistryValues : public StoredValues {
public:
    explicit RegistryValues(const std::string& algorithmName)
        : base_(std::string(kAlgorithmsKey) + "\\" + algorithmName) {}

    bool ReadText(const std::string& subkey, const char* name, std::string& value,
                  std::size_t bufferSize) override {
        return Enter(subkey) && key_.ReadString(name, value, bufferSize);
    }
    bool ReadNumber(const std::string& subkey, const char* name, uint32_t& value) override {
        DWORD number = 0;
        if (!Enter(subkey) || !key_.ReadDword(name, number)) return false;
        value = number;
        return true;
    }

private:
    bool Enter(const std::string& subkey) {
        if (open_ && subkey == subkey_) return key_.IsOpen();
        open_ = true;
        subkey_ = subkey;
        const std::string path = subkey.empty() ? base_ : base_ + "\\" + subkey;
        return key_.Open(HKEY_CURRENT_USER, path.c_str(), KEY_READ);
    }

    const std::string base_;
    CRegKey key_;
    std::string subkey_;
    bool open_ = false;
};

bool SavePass(const std::string& algorithmKey, int index, const Pass& pass) {
    CRegKey key;
    if (!key.Create(HKEY_CURRENT_USER, (algorithmKey + "\\Pass " + std::to_string(index)).c_str(),
                    KEY_ALL_ACCESS))
        return false;
    switch (pass.kind) {
    case PassKind::Random: return key.WriteString("write", "Random");
    case PassKind::Complement: return key.WriteString("write", "Complement");
    case PassKind::Pattern: break;
    }
    if (!key.WriteString("write", "Pattern") ||
        !key.WriteDword("Pattern Length", static_cast<DWORD>(pass.pattern.size())))
        return false;
    for (size_t b = 0; b < pass.pattern.size(); ++b) {
        if (!key.WriteDword(("Byte " + std::to_string(b)).c_str(), pass.pattern[b])) return false;
    }
    return true;
}

bool WriteAlgorithm(const std::string& name, const Algorithm& algorithm) {
    CRegKey key;
    if (!key.Create(HKEY_CURRENT_USER, name.c_str(), KEY_ALL_ACCESS) ||
        !key.WriteString("Description", algorithm.description) ||
        !key.WriteDword("PassesCount", static_cast<DWORD>(algorithm.passes.size())))
        return false;
    for (size_t i = 0; i < algorithm.passes.size(); ++i) {
        if (!SavePass(name, static_cast<int>(i), algorithm.passes[i])) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> StoredAlgorithmNames() {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kAlgorithmsKey, KEY_READ)) return {};
    return key.SubKeyNames();
}

bool LoadCustomAlgorithms(AlgorithmTable& table) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kAlgorithmsKey, KEY_READ)) return false;
    for (const std::string& name : key.SubKeyNames()) {
        RegistryValues values(name);
        Algorithm algorithm;
        if (ReadStoredAlgorithm(name, values, algorithm)) table.push_back(std::move(algorithm));
    }
    return true;
}

bool SaveAlgorithm(const Algorithm& algorithm) {
    CRegKey product;
    if (!product.Open(HKEY_CURRENT_USER, kProductKey, KEY_ALL_ACCESS)) return false;
    if (WriteAlgorithm(std::string(kAlgorithmsKey) + "\\" + algorithm.name, algorithm)) return true;
    DeleteCustomAlgorithm(algorithm.name);
    return false;
}

bool DeleteCustomAlgorithm(const std::string& name) {
    CRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, kAlgorithmsKey, KEY_READ | KEY_WRITE)) return true;
    for (const std::string& subkey : key.SubKeyNames()) {
        if (lstrcmpiA(subkey.c_str(), name.c_str()) == 0) return key.DeleteTree(subkey.c_str());
    }
    return true;
}

}  // namespace shredder
