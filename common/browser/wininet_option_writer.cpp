#include <windows.h>
#include <wininet.h>

#include "common/browser/connection_options.h"

namespace browser {
namespace {

INTERNET_PER_CONN_OPTION_LISTA OptionList(std::string& name, INTERNET_PER_CONN_OPTIONA* options,
                                          DWORD count) {
    INTERNET_PER_CONN_OPTION_LISTA list = {};
    list.dwSize = sizeof(list);
    list.pszConnection = name.empty() ? nullptr : &name[0];
    list.dwOptionCount = count;
    list.pOptions = options;
    return list;
}

// The options live on the caller's stack: nothing is allocated.
bool Apply(WinInetOptionWriter::SetCall set, const std::string& connection,
           INTERNET_PER_CONN_OPTIONA* options, DWORD count) {
    std::string name = connection;
    INTERNET_PER_CONN_OPTION_LISTA list = OptionList(name, options, count);
    return set(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, sizeof(list)) != FALSE;
}

INTERNET_PER_CONN_OPTIONA FlagsOption(DWORD flags) {
    INTERNET_PER_CONN_OPTIONA option = {};
    option.dwOption = INTERNET_PER_CONN_FLAGS;
    option.Value.dwValue = flags;
    return option;
}

INTERNET_PER_CONN_OPTIONA TextOption(DWORD which, std::string& text) {
    INTERNET_PER_CONN_OPTIONA option = {};
    option.dwOption = which;
    option.Value.pszValue = &text[0];
    return option;
}

}  // namespace

WinInetOptionWriter::WinInetOptionWriter()
    : WinInetOptionWriter(&InternetQueryOptionA, &InternetSetOptionA) {}

bool WinInetOptionWriter::SetProxy(const std::string& connection, const std::string& proxy,
                                   const std::string& bypass) {
    std::string server = proxy, local = bypass;
    INTERNET_PER_CONN_OPTIONA options[] = {
        FlagsOption(PROXY_TYPE_DIRECT | PROXY_TYPE_PROXY),
        TextOption(INTERNET_PER_CONN_PROXY_SERVER, server),
        TextOption(INTERNET_PER_CONN_PROXY_BYPASS, local)};
    return Apply(set_, connection, options, 3);
}

bool WinInetOptionWriter::SetDirect(const std::string& connection) {
    std::string name = connection;
    INTERNET_PER_CONN_OPTIONA current[] = {FlagsOption(0)};
    INTERNET_PER_CONN_OPTION_LISTA list = OptionList(name, current, 1);
    DWORD size = sizeof(list);
    DWORD flags = PROXY_TYPE_DIRECT;
    if (query_(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size))
        flags |= current[0].Value.dwValue & ~static_cast<DWORD>(PROXY_TYPE_PROXY);
    INTERNET_PER_CONN_OPTIONA options[] = {FlagsOption(flags)};
    return Apply(set_, connection, options, 1);
}

void WinInetOptionWriter::NotifyChanged() {
    set_(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    set_(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

}  // namespace browser
