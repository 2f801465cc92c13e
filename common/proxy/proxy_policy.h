#pragma once
// What a program adds to the shared proxy engine: the decision for each
// request (reply, drop, or where to connect), and filters for the response
// heads and bodies of that request.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/http_text.h"

namespace proxy {

// Engine settings taken by each connection when it starts.
struct RelaySettings {
    bool useDefaultBufferSizes = true;  // buffers as large as the listener's defaults
    int bufferSize = 8192;              // otherwise this (at least 1)
    int dnsCacheEntries = 0;            // host-name cache entries in use; 0 = off
    size_t heldResponseCap = 8u << 20;  // a longer filtered body is streamed unfiltered
};

// A response as the filters see it.
struct ResponseInfo {
    int status = 0;
    unsigned contentClass = 0;  // kClass* bits
    const std::vector<std::string>* lines = nullptr;  // head lines, status line first
};

class ResponseFilter {
public:
    virtual ~ResponseFilter() = default;
    // May change the head lines (not the status line); true when it did.
    virtual bool FilterHeaders(std::vector<std::string>& lines);
    // True when the body should be held whole and passed to FilterBody.
    // Only asked for 2xx bodies without a Content-Encoding.
    virtual bool WantsBody(const ResponseInfo& info) const = 0;
    // Changes the held body; true when it did (the length header follows).
    virtual bool FilterBody(const ResponseInfo& info, std::string& body) = 0;
};

struct RequestDecision {
    enum Kind { Forward, Reply, Drop };
    Kind kind = Forward;
    std::string reply;                        // Reply: sent to the browser, then closed
    std::string host;                         // Forward: where to connect
    int port = 0;
    bool upstreamProxy = false;               // the target is a proxy: absolute URL kept,
                                              // CONNECT passed on
    std::shared_ptr<ResponseFilter> filter;   // for this request's response; may be null
};

class ProxyPolicy {
public:
    virtual ~ProxyPolicy() = default;
    virtual RelaySettings Relay() const = 0;
    // One parsed request: may edit `lines` (the request line stays first).
    virtual RequestDecision OnRequest(const RequestLine& request,
                                      std::vector<std::string>& lines) = 0;
    // A send failed for lack of buffer space.
    virtual void OnSendBufferExhausted();
    // The target `decision` named could not be reached; the browser gets
    // kConnectFailedReply and the connection closes.
    virtual void OnConnectFailed(const RequestLine& request, const RequestDecision& decision);
};

// The fixed replies of the engine.
extern const char kBadRequestReply[];
extern const char kConnectFailedReply[];
extern const char kTunnelReply[];
// For a response the site sent with lengths that disagree.
extern const char kBadResponseReply[];

}  // namespace proxy
