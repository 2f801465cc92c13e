#pragma once
// A scratch registry tree seen through the model's registry seam, with
// helpers to seed values of any type, take a snapshot of every value, and
// make chosen reads, writes and deletes fail as they do for a user without
// rights.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/testkit/scratch.h"
#include "tuning/model/win32_registry.h"

namespace tuning {

inline bool operator==(const RegValue& a, const RegValue& b) {
    return a.type == b.type && a.data == b.data;
}
inline void PrintTo(const RegValue& value, std::ostream* out) {
    *out << "type " << value.type << " bytes " << ::testing::PrintToString(value.data);
}

namespace test {

// hive, key path and value name -> type and bytes
using Snapshot = std::map<std::string, RegValue>;

class ScratchTree {
public:
    explicit ScratchTree(const std::string& name)
        : scratch_(name, testkit::ScratchRegistry::Plain),
          registry_(scratch_.currentUser(), scratch_.localMachine()) {}

    Win32Registry& registry() { return registry_; }
    // Creates the key on the way.
    void Set(Hive hive, const std::string& key, const std::string& name, const RegValue& value);
    void SetDword(const std::string& key, const std::string& name, std::uint32_t number) {
        Set(Hive::LocalMachine, key, name, DwordValue(number));
    }
    void SetText(const std::string& key, const std::string& name, const std::string& text) {
        Set(Hive::LocalMachine, key, name, TextValue(text));
    }
    // Every value of both hives.
    Snapshot Take() const;

private:
    void Collect(Hive hive, const std::string& key, Snapshot& snapshot) const;

    testkit::ScratchRegistry scratch_;
    Win32Registry registry_;
};

// Passes everything through, except that writes and deletes of the named
// values fail, reads of the named values fail, the keys of the named paths
// cannot be deleted, and every read of a value is counted. A tree delete
// goes as far as it can, subkeys in enumeration order.
class FaultyRegistry : public Registry {
public:
    explicit FaultyRegistry(Registry& inner) : inner_(inner) {}

    std::set<std::string> failingWrites;
    std::set<std::string> failingReads;
    std::set<std::string> undeletableKeys;
    mutable int reads = 0;

    bool KeyExists(Hive hive, const std::string& path) const override {
        return inner_.KeyExists(hive, path);
    }
    bool CreateKey(Hive hive, const std::string& path) override { return inner_.CreateKey(hive, path); }
    bool DeleteTree(Hive hive, const std::string& path) override {
        if (undeletableKeys.count(path)) return false;
        bool whole = true;
        for (const std::string& sub : inner_.SubKeys(hive, path))
            whole = DeleteTree(hive, path + "\\" + sub) && whole;
        return whole && inner_.DeleteTree(hive, path);
    }
    ReadResult Query(Hive hive, const std::string& path, const std::string& name,
                     RegValue& value) const override {
        ++reads;
        return failingReads.count(name) ? ReadResult::Failed
                                        : inner_.Query(hive, path, name, value);
    }
    bool Write(Hive hive, const std::string& path, const std::string& name,
               const RegValue& value) override {
        return !failingWrites.count(name) && inner_.Write(hive, path, name, value);
    }
    bool DeleteValue(Hive hive, const std::string& path, const std::string& name) override {
        return !failingWrites.count(name) && inner_.DeleteValue(hive, path, name);
    }
    std::vector<std::string> SubKeys(Hive hive, const std::string& path) const override {
        return inner_.SubKeys(hive, path);
    }
    std::vector<std::string> ValueNames(Hive hive, const std::string& path) const override {
        return inner_.ValueNames(hive, path);
    }

private:
    Registry& inner_;
};

}  // namespace test
}  // namespace tuning
