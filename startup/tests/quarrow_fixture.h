#pragma once
// A scratch world for Quarrow's tests: redirected HKCU/HKLM, a Windows
// folder with win.ini and the store, both Startup folders and a program
// folder with its Lang folder; COM started for the shortcuts.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>

#include "platform/testkit/scratch.h"
#include "startup/core/folders.h"
#include "startup/core/language.h"
#include "startup/core/registry_routines.h"

namespace startup {

class QuarrowFixture : public ::testing::Test {
protected:
    explicit QuarrowFixture(const std::string& name = "quarrow")
        : registry_(name), dir_(name), language_(dir_.file("prog")) {
        CoInitialize(nullptr);
        for (const char* folder : {"windows", "user-startup", "common-startup", "prog\\Lang"})
            CreateDirectoryA(dir_.file(folder).c_str(), nullptr);
        places_.windowsFolder = dir_.file("windows");
        places_.userStartup = dir_.file("user-startup");
        places_.commonStartup = dir_.file("common-startup");
    }
    ~QuarrowFixture() override { CoUninitialize(); }

    static void SetRun(HKEY root, const char* key, const std::string& name,
                       const std::string& data, DWORD type = REG_SZ) {
        ASSERT_EQ(ERROR_SUCCESS, WriteRegValue(root, RunKeyPath(key), name, data, type));
    }
    static bool RunValue(HKEY root, const char* key, const std::string& name, std::string* data,
                         DWORD* type = nullptr) {
        return ReadRegValue(root, RunKeyPath(key), name, *data, type);
    }
    std::string Store() const { return dir_.read("windows\\SaveProf.pro"); }
    bool StoreExists() const { return dir_.exists("windows\\SaveProf.pro"); }

    testkit::ScratchRegistry registry_;
    testkit::ScratchDir dir_;
    Language language_;
    Places places_;
};

}  // namespace startup
