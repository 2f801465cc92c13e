#include "tuning/model/tests/scratch_tree.h"

#include <gtest/gtest.h>

namespace tuning {
namespace test {

void ScratchTree::Set(Hive hive, const std::string& key, const std::string& name,
                      const RegValue& value) {
    ASSERT_TRUE(registry_.CreateKey(hive, key)) << key;
    ASSERT_TRUE(registry_.Write(hive, key, name, value)) << key << "\\" << name;
}

Snapshot ScratchTree::Take() const {
    Snapshot snapshot;
    Collect(Hive::CurrentUser, "", snapshot);
    Collect(Hive::LocalMachine, "", snapshot);
    return snapshot;
}

void ScratchTree::Collect(Hive hive, const std::string& key, Snapshot& snapshot) const {
    const std::string prefix = (hive == Hive::CurrentUser ? "HKCU\\" : "HKLM\\") + key + "|";
    for (const std::string& name : registry_.ValueNames(hive, key)) {
        RegValue value;
        if (registry_.Read(hive, key, name, value)) snapshot[prefix + name] = value;
    }
    for (const std::string& sub : registry_.SubKeys(hive, key))
        Collect(hive, key.empty() ? sub : key + "\\" + sub, snapshot);
}

}  // namespace test
}  // namespace tuning
