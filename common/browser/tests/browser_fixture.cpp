#include "common/browser/tests/browser_fixture.h"


#include "common/browser/connection_blob.h"
#include "common/browser/connection_list.h"
#include "common/browser/proxy_setting_key.h"
#include "platform/registry/reg_key.h"
#include "common/os/os_version.h"

namespace browsertest {
namespace {

OSVERSIONINFOA g_version;

void FakeVersion(OSVERSIONINFOA& info) { info = g_version; }

std::string Dword(size_t value) {
    std::string bytes(4, '\0');
    for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    return bytes;
}

void SetValue(const char* path, const char* name, DWORD type, const void* data, size_t size) {
    ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, path, name, type, data,
                                         static_cast<DWORD>(size)))
        << path << " " << name;
}

std::string ReadBlob(const std::string& name) {
    std::string blob;
    CRegKey key;
    key.Open(HKEY_CURRENT_USER, browser::kConnectionsKey, KEY_READ);
    key.ReadBytes(name.c_str(), blob);
    return blob;
}

std::string ValueName(const std::string& connection) {
    return connection.empty() ? "DefaultConnectionSettings" : connection;
}

}  // namespace

std::string MakeBlob(unsigned char flags, const std::string& proxy, size_t padding) {
    std::string blob = Dword(0x46) + Dword(1) + Dword(flags) + Dword(proxy.size()) + proxy +
                       Dword(5) + "local";
    return blob + std::string(padding, '\0');
}

bool BlobOptionWriter::SetProxy(const std::string& connection, const std::string& proxy,
                                const std::string&) {
    calls.push_back("proxy " + connection);
    if (failing.count(connection)) return false;
    std::string blob = MakeBlob(browser::kFlagsDirectAndProxy, proxy);
    SetValue(browser::kConnectionsKey, ValueName(connection).c_str(), REG_BINARY, blob.data(),
             blob.size());
    return true;
}

bool BlobOptionWriter::SetDirect(const std::string& connection) {
    calls.push_back("direct " + connection);
    if (failing.count(connection)) return false;
    std::string blob = ReadBlob(ValueName(connection));
    if (blob.size() < 16) blob = MakeBlob(browser::kFlagsDirect, "");
    // Internet Explorer keeps the other flags (automatic detection, script).
    blob[8] = static_cast<char>((blob[8] & ~browser::kFlagProxy) | browser::kFlagsDirect);
    SetValue(browser::kConnectionsKey, ValueName(connection).c_str(), REG_BINARY, blob.data(),
             blob.size());
    return true;
}

ScopedOsVersion::ScopedOsVersion(DWORD platform, DWORD major, DWORD minor) {
    g_version = VersionRecord(platform, major, minor);
    SetOsVersionSource(FakeVersion);
}

ScopedOsVersion::~ScopedOsVersion() { SetOsVersionSource(nullptr); }

BrowserTest::BrowserTest()
    : env_{texts_, messages_, state_, writer_,
           browser::ProfileBases{dir_.path() + "\\Windows", dir_.path() + "\\Docs", "tester"}} {}

std::string BrowserTest::TestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("browser-") + info->test_suite_name() + "-" + info->name();
}

long long BrowserTest::Flag(const char* name) const {
    return testkit::RegDword(reg_.currentUser(), browser::kProxySettingKey, name);
}

void BrowserTest::SetRegString(const char* key, const char* name, const std::string& value) const {
    SetValue(key, name, REG_SZ, value.c_str(), value.size() + 1);
}

void BrowserTest::SetRegBytes(const char* key, const char* name, const std::string& value) const {
    SetValue(key, name, REG_BINARY, value.data(), value.size());
}

void BrowserTest::SetRegDword(const char* key, const char* name, DWORD value) const {
    SetValue(key, name, REG_DWORD, &value, sizeof(value));
}

}  // namespace browsertest
