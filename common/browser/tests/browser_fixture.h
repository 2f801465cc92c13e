#pragma once
// The test world of the browser classes: a redirected registry, a scratch
// folder standing in for the Windows and profile folders, a chosen Windows
// version, recorded messages and a connection writer that stores the
// "Connections" values the way Internet Explorer does.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <set>
#include <string>
#include <vector>

#include "common/browser/browser_env.h"
#include "platform/testkit/scratch.h"

namespace browsertest {

class DefaultTexts : public lang::TextSource {
public:
    std::string Text(const char*, const char* def) const override { return def; }
};

class RecordedMessages : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string&, unsigned type) override {
        errors.push_back(text);
        icons.push_back(type & MB_ICONMASK);
        return IDOK;
    }
    std::vector<std::string> errors;
    std::vector<unsigned> icons;
};

// A settings value as Internet Explorer stores it: version, counter, flags,
// proxy length and text, bypass length and text, then padding.
std::string MakeBlob(unsigned char flags, const std::string& proxy, size_t padding = 32);

class BlobOptionWriter : public browser::ConnectionOptionWriter {
public:
    bool SetProxy(const std::string& connection, const std::string& proxy,
                  const std::string& bypass) override;
    bool SetDirect(const std::string& connection) override;
    void NotifyChanged() override { ++notifications; }

    std::set<std::string> failing;  // connection names whose calls fail ("" = LAN)
    std::vector<std::string> calls;
    int notifications = 0;
};

// Makes every COsVersion read the given version while it lives.
class ScopedOsVersion {
public:
    ScopedOsVersion(DWORD platform, DWORD major, DWORD minor);
    ~ScopedOsVersion();
};

inline OSVERSIONINFOA VersionRecord(DWORD platform, DWORD major, DWORD minor) {
    return OSVERSIONINFOA{sizeof(OSVERSIONINFOA), major, minor, 0, platform, ""};
}

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest();

    // HKCU value under the redirected tree.
    long long Flag(const char* name) const;
    void SetRegString(const char* key, const char* name, const std::string& value) const;
    void SetRegBytes(const char* key, const char* name, const std::string& value) const;
    void SetRegDword(const char* key, const char* name, DWORD value) const;

    static std::string TestName();

    ScopedOsVersion xp_{VER_PLATFORM_WIN32_NT, 5, 1};
    testkit::ScratchRegistry reg_{TestName()};
    testkit::ScratchDir dir_{TestName()};
    DefaultTexts texts_;
    RecordedMessages messages_;
    browser::BrowserState state_;
    BlobOptionWriter writer_;
    browser::BrowserEnv env_;
};

}  // namespace browsertest
