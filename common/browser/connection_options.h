#pragma once
// Applies per-connection proxy options of the system's Internet settings.
// A connection is named by its value under the "Connections" key of the
// Internet settings; the empty name stands for the LAN settings.
#include <string>

namespace browser {

class ConnectionOptionWriter {
public:
    virtual ~ConnectionOptionWriter() = default;
    // Flags direct plus proxy, the proxy server and the bypass list.
    virtual bool SetProxy(const std::string& connection, const std::string& proxy,
                          const std::string& bypass) = 0;
    // Flags direct only.
    virtual bool SetDirect(const std::string& connection) = 0;
    // Tells running programs that the settings changed and to reload them.
    virtual void NotifyChanged() = 0;
};

// The writer through WinINet's InternetSetOption.
class WinInetOptionWriter : public ConnectionOptionWriter {
public:
    bool SetProxy(const std::string& connection, const std::string& proxy,
                  const std::string& bypass) override;
    bool SetDirect(const std::string& connection) override;
    void NotifyChanged() override;
};

}  // namespace browser
