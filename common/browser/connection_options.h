#pragma once
// Applies per-connection proxy options of the system's Internet settings.
// A connection is named by its value under the "Connections" key of the
// Internet settings; the empty name stands for the LAN settings.
#include <windows.h>

#include <string>

namespace browser {

class ConnectionOptionWriter {
public:
    virtual ~ConnectionOptionWriter() = default;
    // Flags direct plus proxy, the proxy server and the bypass list.
    virtual bool SetProxy(const std::string& connection, const std::string& proxy,
                          const std::string& bypass) = 0;
    // Switches the proxy off: the proxy flag goes, direct is set, and the
    // connection's other flags (automatic detection, a configuration
    // script) stay as the user ticked them.
    virtual bool SetDirect(const std::string& connection) = 0;
    // Tells running programs that the settings changed and to reload them.
    virtual void NotifyChanged() = 0;
};

// The writer through WinINet. By default it makes WinINet's own
// InternetQueryOptionA and InternetSetOptionA calls; a test hands in
// stand-ins of the same shape (the handle is WinINet's HINTERNET).
class WinInetOptionWriter : public ConnectionOptionWriter {
public:
    using QueryCall = BOOL(WINAPI*)(LPVOID handle, DWORD option, LPVOID buffer, LPDWORD size);
    using SetCall = BOOL(WINAPI*)(LPVOID handle, DWORD option, LPVOID buffer, DWORD size);

    WinInetOptionWriter();
    WinInetOptionWriter(QueryCall query, SetCall set) : query_(query), set_(set) {}

    bool SetProxy(const std::string& connection, const std::string& proxy,
                  const std::string& bypass) override;
    // A connection whose flags cannot be read is left direct only.
    bool SetDirect(const std::string& connection) override;
    void NotifyChanged() override;

private:
    QueryCall query_;
    SetCall set_;
};

}  // namespace browser
