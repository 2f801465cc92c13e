#pragma once
// The request side of one proxy connection, without sockets: browser bytes
// go in; out come request heads and, framed by Content-Length or chunks,
// the body bytes behind each head. CONNECT turns the rest of the connection
// into plain bytes; a request of another method with no framing does so
// only until the site answers.
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
    // The site has sent bytes: an unframed request is over, so the next
    // browser bytes start a head again. A tunnel stays plain bytes.
    void OnServerData() {
        if (state_ == Raw && !tunnel_) state_ = AwaitHead;
    }

private:
    enum State { AwaitHead, LengthBody, ChunkedBody, Raw };
    State state_ = AwaitHead;
    bool tunnel_ = false;  // why the state is Raw: CONNECT, not missing framing
    std::string in_;
    unsigned long long remaining_ = 0;
    ChunkDecoder chunks_;
};

}  // namespace proxy
