#pragma once
// The registry as the tuning model sees it: two hives, keys by path, values
// as their raw type and bytes. The program hands in the real hives; tests
// hand in a scratch tree, or a wrapper that makes chosen writes fail.
#include <cstdint>
#include <string>
#include <vector>

namespace tuning {

enum class Hive { CurrentUser, LocalMachine };

// Registry value types, with the platform's numbers.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

struct RegValue {
    std::uint32_t type = 0;
    std::string data;  // the stored bytes, terminators included
};

RegValue DwordValue(std::uint32_t number);
// A string value with its terminating zero, as the platform stores text.
RegValue TextValue(const std::string& text);
// The 4-byte number of a REG_DWORD value; false for any other type or size.
bool AsDword(const RegValue& value, std::uint32_t& number);
// The text of a REG_SZ value up to its first zero; false for any other type.
bool AsText(const RegValue& value, std::string& text);

enum class ReadResult { Found, Missing, Failed };

class Registry {
public:
    virtual ~Registry() = default;

    virtual bool KeyExists(Hive hive, const std::string& path) const = 0;
    // Creates the key and the keys on its way; true when it exists afterwards.
    virtual bool CreateKey(Hive hive, const std::string& path) = 0;
    // Removes the key with everything below it; true when it is gone.
    virtual bool DeleteTree(Hive hive, const std::string& path) = 0;

    // Found with `value` filled; Missing when the key or the value is not
    // there; Failed when it may be there but cannot be read (access refused,
    // the registry failed), which must never be taken for Missing.
    virtual ReadResult Query(Hive hive, const std::string& path, const std::string& name,
                             RegValue& value) const = 0;
    // Query for callers to whom a value that cannot be read is as good as
    // none: true when Found.
    bool Read(Hive hive, const std::string& path, const std::string& name,
              RegValue& value) const {
        return Query(hive, path, name, value) == ReadResult::Found;
    }
    // Into an existing key only; false when the key is missing or the write fails.
    virtual bool Write(Hive hive, const std::string& path, const std::string& name,
                       const RegValue& value) = 0;
    // True when the value is gone afterwards (a missing one included).
    virtual bool DeleteValue(Hive hive, const std::string& path, const std::string& name) = 0;

    // Names in enumeration order; empty when the key is missing.
    virtual std::vector<std::string> SubKeys(Hive hive, const std::string& path) const = 0;
    virtual std::vector<std::string> ValueNames(Hive hive, const std::string& path) const = 0;
};

}  // namespace tuning
