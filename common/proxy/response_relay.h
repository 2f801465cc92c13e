#pragma once
// The response side of one proxy connection, without sockets: bytes from
// the site go in, bytes for the browser come out. Responses are framed by
// their heads (length, chunks, or the site's close); bodies a filter wants
// are held whole, filtered and sent with their new length; everything else
// streams as it arrives.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/http_text.h"
#include "common/proxy/proxy_policy.h"

namespace proxy {

class ResponseRelay {
public:
    enum Result { Continue, Close };

    explicit ResponseRelay(size_t heldCap) : heldCap_(heldCap) {}

    // A request went to the site; its response comes next in order.
    // `lastRequest`: the request asked for the connection to end after it.
    void ExpectResponse(const std::string& method, std::shared_ptr<ResponseFilter> filter,
                        bool lastRequest = false);
    // Everything from now on passes unchanged (a tunnel).
    void PassThrough() { state_ = Tunnel; }

    // Site bytes in, browser bytes appended to `out`. Close when the
    // connection must end after `out` is sent.
    Result OnServerData(const char* data, size_t size, std::string& out);
    // How many of the next `size` site bytes go to the browser exactly as
    // they are (a streamed body or a tunnel, with nothing held before
    // them); those count as relayed and the caller sends them itself. The
    // bytes behind them go to OnServerData.
    size_t TakeUnchanged(size_t size);
    // The site closed: whatever is held goes out. A held body cut short
    // keeps its framing (its length, or chunks without the last one), so
    // the browser sees it is short; the connection must then end.
    void Finish(std::string& out);

    // No response in progress and none awaited.
    bool Idle() const;
    // The last complete response ended the connection (its request or the
    // response itself said so, or HTTP/1.0 without keep-alive).
    bool ConnectionOver() const { return connectionOver_; }

private:
    enum State { AwaitHead, Body, Tunnel };
    enum Framing { NoBody, Length, Chunked, UntilClose };
    struct Pending {
        bool head = false;
        bool connect = false;
        bool last = false;
        std::shared_ptr<ResponseFilter> filter;
    };

    bool ParseResponseHeader(std::string& out);
    void DecideBody(const Pending& pending, std::string& out);
    void ConsumeBody(std::string& out);
    void Deliver(const char* data, size_t size, std::string& out);
    void Release(std::string& out);
    // `complete`: the whole body arrived; otherwise it was cut short.
    void ForwardResponseData(std::string& out, bool complete);
    void SendResponseHeader(std::string& out);
    void Complete(std::string& out);
    void EndResponse();
    void ResetRequest();

    size_t heldCap_;
    State state_ = AwaitHead;
    std::string in_;
    std::deque<Pending> pending_;
    std::shared_ptr<ResponseFilter> lastFilter_;
    bool connectionOver_ = false;

    // The current response.
    std::vector<std::string> lines_;
    std::string rawHead_;
    bool headChanged_ = false;
    bool headerless_ = false;
    int status_ = 0;
    unsigned class_ = 0;
    Framing framing_ = UntilClose;
    bool endsConnection_ = false;
    unsigned long long length_ = 0;  // Content-Length as the site sent it
    unsigned long long remaining_ = 0;
    ChunkDecoder chunks_;
    std::shared_ptr<ResponseFilter> filter_;
    bool held_ = false;
    bool rechunk_ = false;
    size_t sniffed_ = 0;
    std::string body_;
    bool error_ = false;
};

}  // namespace proxy
