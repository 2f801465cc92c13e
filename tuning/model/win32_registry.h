#pragma once
// The tuning model's registry over real hive handles: the program passes
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, tests the roots of a scratch tree.
#include <windows.h>

#include "tuning/model/registry.h"

namespace tuning {

class Win32Registry : public Registry {
public:
    // The handles stay owned by the caller and must outlive this object.
    Win32Registry(HKEY currentUser, HKEY localMachine)
        : currentUser_(currentUser), localMachine_(localMachine) {}

    bool KeyExists(Hive hive, const std::string& path) const override;
    bool CreateKey(Hive hive, const std::string& path) override;
    bool DeleteTree(Hive hive, const std::string& path) override;
    ReadResult Query(Hive hive, const std::string& path, const std::string& name,
                     RegValue& value) const override;
    bool Write(Hive hive, const std::string& path, const std::string& name,
               const RegValue& value) override;
    bool DeleteValue(Hive hive, const std::string& path, const std::string& name) override;
    std::vector<std::string> SubKeys(Hive hive, const std::string& path) const override;
    std::vector<std::string> ValueNames(Hive hive, const std::string& path) const override;

private:
    HKEY Root(Hive hive) const { return hive == Hive::CurrentUser ? currentUser_ : localMachine_; }

    HKEY currentUser_;
    HKEY localMachine_;
};

}  // namespace tuning
