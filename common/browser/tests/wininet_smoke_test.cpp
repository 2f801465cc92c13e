// The real writer against the platform's WinINet: LAN settings round trip;
// and against a WinINet that keeps every connection flag, as Internet
// Explorer's does (Wine keeps only the proxy flag).
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>
#include <wininet.h>

#include <map>

#include "common/browser/connection_list.h"
#include "common/browser/tests/browser_fixture.h"

namespace browsertest {
namespace {

// The LAN's flags and proxy server as WinINet reports them.
bool QueryLan(DWORD& flags, std::string& server) {
    INTERNET_PER_CONN_OPTIONA options[2] = {};
    options[0].dwOption = INTERNET_PER_CONN_FLAGS;
    options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
    INTERNET_PER_CONN_OPTION_LISTA list = {};
    list.dwSize = sizeof(list);
    list.dwOptionCount = 2;
    list.pOptions = options;
    DWORD size = sizeof(list);
    if (!InternetQueryOptionA(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size))
        return false;
    flags = options[0].Value.dwValue;
    server = options[1].Value.pszValue ? options[1].Value.pszValue : "";
    GlobalFree(options[1].Value.pszValue);
    return true;
}

TEST(WinInetOptionWriter, LanProxyIsSetAndSwitchedOff) {
    testkit::ScratchRegistry reg("browser-wininet");
    // WinINet keeps the LAN settings under this key and needs it to exist.
    ASSERT_EQ(ERROR_SUCCESS, SHSetValueA(HKEY_CURRENT_USER, browser::kInternetSettingsKey,
                                         "ProxyEnable", REG_DWORD, "\0\0\0\0", 4));
    browser::WinInetOptionWriter writer;
    ASSERT_TRUE(writer.SetProxy("", browser::kIEProxyString, "local"));
    writer.NotifyChanged();
    DWORD flags = 0;
    std::string server;
    ASSERT_TRUE(QueryLan(flags, server));
    EXPECT_TRUE(flags & PROXY_TYPE_PROXY);
    // Wine keeps only the HTTP proxy's address of the scheme list.
    EXPECT_NE(std::string::npos, server.find("VelmoraBlinkward:8100")) << server;
    // ... and stores the LAN settings where the configured test reads them.
    DefaultTexts texts;
    RecordedMessages messages;
    browser::BrowserState state;
    browser::BrowserEnv env{texts, messages, state, writer, browser::ProfileBases{}};
    browser::CConnectionList list(env);
    EXPECT_TRUE(list.IsIEProxyConfigured());

    ASSERT_TRUE(writer.SetDirect(""));
    ASSERT_TRUE(QueryLan(flags, server));
    EXPECT_FALSE(flags & PROXY_TYPE_PROXY);
    EXPECT_FALSE(list.IsIEProxyConfigured());
}

// Every connection's flags by its name ("" the LAN): automatic detection 8,
// configuration script 4, proxy 2, direct 1.
std::map<std::string, DWORD> g_flags;

INTERNET_PER_CONN_OPTION_LISTA& ListIn(LPVOID buffer) {
    return *static_cast<INTERNET_PER_CONN_OPTION_LISTA*>(buffer);
}
std::string NameIn(LPVOID buffer) {
    return ListIn(buffer).pszConnection ? ListIn(buffer).pszConnection : "";
}

BOOL WINAPI QueryKeptFlags(LPVOID, DWORD, LPVOID buffer, LPDWORD) {
    if (!g_flags.count(NameIn(buffer))) return FALSE;
    ListIn(buffer).pOptions[0].Value.dwValue = g_flags[NameIn(buffer)];
    return TRUE;
}

BOOL WINAPI SetKeptFlags(LPVOID, DWORD, LPVOID buffer, DWORD) {
    g_flags[NameIn(buffer)] = ListIn(buffer).pOptions[0].Value.dwValue;
    return TRUE;
}

TEST(WinInetOptionWriter, SwitchingTheProxyOffKeepsDetectionAndTheScript) {
    g_flags = {{"", 11}, {"dial", 7}};
    browser::WinInetOptionWriter writer(QueryKeptFlags, SetKeptFlags);
    for (const char* name : {"", "dial", "unread"}) ASSERT_TRUE(writer.SetDirect(name));
    EXPECT_EQ((std::map<std::string, DWORD>{{"", 9}, {"dial", 5}, {"unread", 1}}), g_flags);
}

}  // namespace
}  // namespace browsertest
