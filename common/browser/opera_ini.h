#pragma once
// The [Proxy] section of an Opera settings file ("opera6.ini" and its
// program-wide defaults "OperaDef6.ini"). Lines keep the file's own line
// ends; keys are compared without their line end and never by prefix, so
// "Use HTTP" is not mistaken for "Use HTTPS".
#include <string>

namespace browser {

// `ini` with the proxy switched on at `server` ("host:port"): the section's
// "Use HTTP" line reads "Use HTTP=1" and its "HTTP Server" line
// "HTTP Server=<server>"; a missing line is added after the section's
// header; a file without the section gets it appended after a blank line.
std::string ConfigureOperaProxy(const std::string& ini, const std::string& server);

// `ini` with the proxy at `server` switched off: "Use HTTP=0" and a bare
// "HTTP Server"; nothing is added. A section naming another proxy (the
// user's own) is left as it is.
std::string ClearOperaProxy(const std::string& ini, const std::string& server);

// The section switches the proxy on and names exactly `server`.
bool OperaIniUsesProxy(const std::string& ini, const std::string& server);

}  // namespace browser
