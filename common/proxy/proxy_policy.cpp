#include "common/proxy/proxy_policy.h"

namespace proxy {

const char kBadRequestReply[] = "HTTP/1.0 400 Invalid header received from browser\n\n";
const char kConnectFailedReply[] =
    "HTTP/1.0 404 Error connecting to site\r\nPragma: no-cache\r\nContent-Type: text/html\r\n\r\n"
    "<html>\r\n<head>\r\nSite does not exist.\r\n</head></html>\r\n";
const char kTunnelReply[] = "HTTP/1.0 200 Connection established\r\nProxy-agent: Quiv-Proxy/1.0\r\n\r\n";
const char kBadResponseReply[] = "HTTP/1.0 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";

void ProxyPolicy::OnSendBufferExhausted() {}
void ProxyPolicy::OnConnectFailed(const RequestLine&, const RequestDecision&) {}

}  // namespace proxy
