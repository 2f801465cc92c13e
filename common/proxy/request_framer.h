#pragma once
// The request side of one proxy connection, without sockets: browser bytes
// go in; out come request heads and, framed by Content-Length or chunks,
// the body bytes behind each head. CONNECT and requests of other methods
// with no framing turn the rest of the connection into plain bytes.
#include <string>
#include <vector>

#include "common/proxy/http_text.h"

namespace proxy {

class RequestFramer {
public:
    enum Event { None, Head, Body, Bad };

    void Append(const char* data, size_t size) { in_.append(data, size); }
    // The next piece: Head fills `lines` (the empty line that ends the head
    // is not kept), Body fills `body`; None waits for more bytes; Bad means
    // the browser sent something no proxy can frame.
    Event Next(std::vector<std::string>& lines, std::string& body);
    // Everything from now on is body bytes (a tunnel).
    void PassThrough() { state_ = Raw; }

private:
    enum State { AwaitHead, LengthBody, ChunkedBody, Raw };
    State state_ = AwaitHead;
    std::string in_;
    unsigned long long remaining_ = 0;
    ChunkDecoder chunks_;
};

}  // namespace proxy
