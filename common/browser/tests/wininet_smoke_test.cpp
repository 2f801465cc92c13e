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

// Every connection's flags, by connection name ("" the LAN).
std::map<std::string, DWORD> g_flags;

std::string ConnectionOf(LPVOID buffer) {
    const auto* list = static_cast<INTERNET_PER_CONN_OPTION_LISTA*>(buffer);
    return list->pszConnection ? list->pszConnection : "";
}

BOOL WINAPI QueryKeepingFlags(LPVOID, DWORD option, LPVOID buffer, LPDWORD) {
    const auto found = g_flags.find(ConnectionOf(buffer));
    auto* list = static_cast<INTERNET_PER_CONN_OPTION_LISTA*>(buffer);
    if (option != INTERNET_OPTION_PER_CONNECTION_OPTION || found == g_flags.end() ||
        list->pOptions[0].dwOption != INTERNET_PER_CONN_FLAGS)
        return FALSE;
    list->pOptions[0].Value.dwValue = found->second;
    return TRUE;
}

BOOL WINAPI SetKeepingFlags(LPVOID, DWORD option, LPVOID buffer, DWORD) {
    if (option != INTERNET_OPTION_PER_CONNECTION_OPTION) return TRUE;
    const auto* list = static_cast<INTERNET_PER_CONN_OPTION_LISTA*>(buffer);
    for (DWORD i = 0; i < list->dwOptionCount; ++i)
        if (list->pOptions[i].dwOption == INTERNET_PER_CONN_FLAGS)
            g_flags[ConnectionOf(buffer)] = list->pOptions[i].Value.dwValue;
    return TRUE;
}

TEST(WinInetOptionWriter, SwitchingTheProxyOffKeepsDetectionAndTheScript) {
    g_flags = {{"", PROXY_TYPE_AUTO_DETECT | PROXY_TYPE_PROXY | PROXY_TYPE_DIRECT},
               {"dial", PROXY_TYPE_AUTO_PROXY_URL | PROXY_TYPE_PROXY | PROXY_TYPE_DIRECT}};
    browser::WinInetOptionWriter writer(QueryKeepingFlags, SetKeepingFlags);
    ASSERT_TRUE(writer.SetDirect(""));
    ASSERT_TRUE(writer.SetDirect("dial"));
    EXPECT_EQ(DWORD(PROXY_TYPE_AUTO_DETECT | PROXY_TYPE_DIRECT), g_flags[""]);
    EXPECT_EQ(DWORD(PROXY_TYPE_AUTO_PROXY_URL | PROXY_TYPE_DIRECT), g_flags["dial"]);
    // Flags that cannot be read leave the connection direct only.
    ASSERT_TRUE(writer.SetDirect("unread"));
    EXPECT_EQ(DWORD(PROXY_TYPE_DIRECT), g_flags["unread"]);
}

}  // namespace
}  // namespace browsertest
