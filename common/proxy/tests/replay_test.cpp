// Every response and request of a set, delivered whole, byte by byte and
// split at every offset, must come out the same.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/http_text.h"
#include "common/proxy/request_framer.h"
#include "common/proxy/response_relay.h"

namespace proxy {
namespace {

const char kMark[] = "<!--F-->";

class MarkFilter : public ResponseFilter {
public:
    bool WantsBody(const ResponseInfo& info) const override {
        return (info.contentClass & kClassText) != 0 && (info.contentClass & kClassScript) == 0;
    }
    bool FilterBody(const ResponseInfo&, std::string& body) override {
        body.insert(0, kMark);
        return true;
    }
};

struct ResponseCase {
    const char* name;
    std::vector<std::string> methods;
    std::string bytes;
};

std::string Html(const std::string& body, const std::string& extra = "") {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n" + extra +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Chunk(const std::string& data) {
    char size[16];
    std::snprintf(size, sizeof size, "%zx", data.size());
    return size + std::string("\r\n") + data + "\r\n";
}

const std::string kPage = "<html><head><title>t</title></head><body>page</body></html>";
const std::string kGif = std::string("GIF89a\0\1\2\3\0\0\xff", 13);

std::vector<ResponseCase> Cases() {
    return {
        {"html", {"GET"}, Html(kPage)},
        {"chunked html", {"GET"},
         "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n"
         "a;n=v\r\n<html><bod\r\n" + Chunk("y>chunked page</bod") + "3\r\ny>\n\r\n0\r\nX-Sum: 1\r\n\r\n"},
        {"image", {"GET"},
         "HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\nContent-Length: 13\r\n\r\n" + kGif},
        {"chunked image", {"GET"},
         "HTTP/1.1 200 OK\r\nContent-Type: image/gif\r\nTransfer-Encoding: chunked\r\n\r\n"
         "6\r\nGIF89a\r\n7\r\n" + kGif.substr(6) + "\r\n0\r\n\r\n"},
        {"204", {"GET", "GET"}, "HTTP/1.1 204 No Content\r\nContent-Type: text/html\r\n\r\n" + Html(kPage)},
        {"304", {"GET", "GET"},
         "HTTP/1.1 304 Not Modified\r\nContent-Length: 100\r\n\r\n" + Html(kPage)},
        {"302", {"GET"},
         "HTTP/1.1 302 Found\r\nLocation: http://a/\r\nContent-Type: text/html\r\nContent-Length: 14\r\n\r\n"
         "<html>x</html>"},
        {"head", {"HEAD", "GET"},
         "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 500\r\n\r\n" + Html(kPage)},
        {"100-continue", {"POST"}, "HTTP/1.1 100 Continue\r\n\r\n" + Html(kPage)},
        {"keep-alive pair", {"GET", "GET"}, Html(kPage) + Html("<html>second</html>")},
        {"until close", {"GET"}, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + kPage},
        {"encoded", {"GET"}, Html(kPage, "Content-Encoding: deflate\r\n")},
        {"script", {"GET"},
         "HTTP/1.1 200 OK\r\nContent-Type: application/x-javascript\r\nContent-Length: 6\r\n\r\nf();\r\n"},
        {"binary text", {"GET"}, Html(std::string("<html>\x01\x02 not text</html>"))},
        {"lf heads", {"GET"}, "HTTP/1.0 200 OK\nContent-Type: text/html\nContent-Length: 14\n\n<html>x</html>"},
    };
}

std::string Relay(const ResponseCase& c, const std::vector<std::string>& pieces, size_t cap = 1 << 20) {
    ResponseRelay relay(cap);
    for (const std::string& method : c.methods) relay.ExpectResponse(method, std::make_shared<MarkFilter>());
    std::string out;
    for (const std::string& piece : pieces) relay.OnServerData(piece.data(), piece.size(), out);
    relay.Finish(out);
    return out;
}

TEST(ResponseReplay, EverySplitGivesTheSameBytes) {
    for (const ResponseCase& c : Cases()) {
        const std::string whole = Relay(c, {c.bytes});
        ASSERT_FALSE(whole.empty()) << c.name;
        for (size_t at = 1; at < c.bytes.size(); ++at)
            ASSERT_EQ(whole, Relay(c, {c.bytes.substr(0, at), c.bytes.substr(at)})) << c.name << " at " << at;
        std::vector<std::string> bytewise;
        for (char ch : c.bytes) bytewise.push_back(std::string(1, ch));
        EXPECT_EQ(whole, Relay(c, bytewise)) << c.name;
    }
}

TEST(ResponseReplay, WhatEachResponseBecomes) {
    std::vector<ResponseCase> cases = Cases();
    auto out = [&](const char* name) {
        for (const ResponseCase& c : cases)
            if (std::string(c.name) == name) return Relay(c, {c.bytes});
        return std::string();
    };
    auto bytes = [&](const char* name) {
        for (const ResponseCase& c : cases)
            if (std::string(c.name) == name) return c.bytes;
        return std::string();
    };
    EXPECT_EQ(Html(kMark + kPage), out("html"));
    const std::string decoded = kMark + std::string("<html><body>chunked page</body>\n");
    EXPECT_EQ("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                  std::to_string(decoded.size()) + "\r\n\r\n" + decoded,
              out("chunked html"));
    for (const char* same : {"image", "chunked image", "302", "encoded", "script", "binary text"})
        EXPECT_EQ(bytes(same), out(same)) << same;
    EXPECT_EQ("HTTP/1.1 204 No Content\r\nContent-Type: text/html\r\n\r\n" + Html(kMark + kPage), out("204"));
    EXPECT_EQ("HTTP/1.1 304 Not Modified\r\nContent-Length: 100\r\n\r\n" + Html(kMark + kPage), out("304"));
    EXPECT_EQ("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 500\r\n\r\n" + Html(kMark + kPage),
              out("head"));
    EXPECT_EQ("HTTP/1.1 100 Continue\r\n\r\n" + Html(kMark + kPage), out("100-continue"));
    EXPECT_EQ(Html(kMark + kPage) + Html(kMark + std::string("<html>second</html>")), out("keep-alive pair"));
    EXPECT_EQ("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + std::string(kMark) + kPage,
              out("until close"));
    EXPECT_EQ("HTTP/1.0 200 OK\nContent-Type: text/html\nContent-Length: 22\r\n\r\n<!--F--><html>x</html>",
              out("lf heads"));
}

TEST(ResponseReplay, HeldBodyPastTheCapStreamsUnfiltered) {
    std::string page = "<html>" + std::string(100, 'x') + "</html>";
    ResponseCase plain{"long", {"GET"}, Html(page)};
    EXPECT_EQ(plain.bytes, Relay(plain, {plain.bytes}, 64));
    ResponseCase chunked{"long chunked", {"GET"},
                         "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n" +
                             Chunk(page.substr(0, 40)) + Chunk(page.substr(40)) + "0\r\n\r\n"};
    for (size_t at = 1; at < chunked.bytes.size(); at += 7) {
        std::string out = Relay(chunked, {chunked.bytes.substr(0, at), chunked.bytes.substr(at)}, 64);
        std::string rest = out;
        std::vector<std::string> lines;
        ASSERT_TRUE(ParseHeaders(rest, lines));
        EXPECT_TRUE(IsChunked(lines));
        ChunkDecoder decoder;
        std::string payload;
        EXPECT_EQ(rest.size(), decoder.Feed(rest.data(), rest.size(), &payload));
        EXPECT_EQ(ChunkDecoder::Done, decoder.state());
        EXPECT_EQ(page, payload) << at;
    }
}

// A body cut short keeps its framing: the length announced (grown by the
// filter's bytes), or chunks without the last one.
TEST(ResponseReplay, EarlyCloseAndBadChunksLeaveTheBodyShort) {
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n";
    ResponseCase cut{"cut", {"GET"}, head + "6\r\n<html>\r\n10\r\nabc"};
    EXPECT_EQ(head + "11\r\n<!--F--><html>abc\r\n", Relay(cut, {cut.bytes}));

    ResponseRelay relay(1 << 20);
    relay.ExpectResponse("GET", std::make_shared<MarkFilter>());
    std::string out;
    std::string bad = head + "6\r\n<html>\r\nfffffffff\r\n";
    EXPECT_EQ(ResponseRelay::Close, relay.OnServerData(bad.data(), bad.size(), out));
    EXPECT_EQ(head + "e\r\n<!--F--><html>\r\n", out);

    ResponseCase partialHead{"partial head", {"GET"}, "HTTP/1.1 200 OK\r\nContent-Ty"};
    EXPECT_EQ(partialHead.bytes, Relay(partialHead, {partialHead.bytes}));

    ResponseCase shortBody{"short", {"GET"}, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 50\r\n\r\n<html>"};
    EXPECT_EQ("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 58\r\n\r\n<!--F--><html>",
              Relay(shortBody, {shortBody.bytes}));
}

TEST(ResponseReplay, ConnectThroughAnUpstreamBecomesATunnel) {
    ResponseRelay relay(1 << 20);
    relay.ExpectResponse("CONNECT", nullptr);
    std::string out;
    std::string bytes = "HTTP/1.0 200 Connection established\r\n\r\n\x16\x03\x01 HTTP/1.1 200";
    relay.OnServerData(bytes.data(), bytes.size(), out);
    EXPECT_EQ(bytes, out);
    EXPECT_FALSE(relay.Idle());
}

// The request side: heads and the exact body bytes behind each.
struct Framed {
    std::vector<std::string> heads;
    std::string body;
    bool bad = false;
};

Framed Frame(const std::vector<std::string>& pieces) {
    RequestFramer framer;
    Framed result;
    for (const std::string& piece : pieces) {
        framer.Append(piece.data(), piece.size());
        std::vector<std::string> lines;
        std::string body;
        for (RequestFramer::Event e; (e = framer.Next(lines, body)) != RequestFramer::None;) {
            if (e == RequestFramer::Bad) {
                result.bad = true;
                return result;
            }
            if (e == RequestFramer::Head) result.heads.push_back(JoinLines(lines));
            else result.body += "[" + body + "]";
        }
    }
    return result;
}

std::string Unbracket(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t end = text.find(']', i);
        out += text.substr(i + 1, end - i - 1);
        i = end;
    }
    return out;
}

TEST(RequestReplay, BodiesAreFramedNotParsedAsHeads) {
    const std::string putBody = "GET http://evil.example/ HTTP/1.0\r\n\r\nmore";
    const struct {
        const char* name;
        std::string bytes;
        size_t heads;
        std::string body;
    } cases[] = {
        {"post", "POST http://a/ HTTP/1.0\r\nContent-Length: 5\r\n\r\nhello", 1, "hello"},
        {"put", "PUT http://a/f HTTP/1.1\r\nContent-Length:" + std::to_string(putBody.size()) +
                    "\r\n\r\n" + putBody + "GET http://a/next HTTP/1.1\r\n\r\n", 2, putBody},
        {"chunked post", "POST http://a/ HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n3;x\r\nabc\r\n0\r\n\r\n"
                         "GET http://a/ HTTP/1.1\r\n\r\n", 2, "3;x\r\nabc\r\n0\r\n\r\n"},
        {"keep-alive", "\r\nGET http://a/ HTTP/1.1\r\n\r\nHEAD http://b/ HTTP/1.1\r\n\r\n", 2, ""},
        {"connect", "CONNECT a:443 HTTP/1.0\r\n\r\n\x16\x03 early bytes\r\n\r\n", 1, "\x16\x03 early bytes\r\n\r\n"},
        {"unknown method", "POST http://a/ HTTP/1.0\r\n\r\nform=1&GET http://x/ HTTP/1.0\r\n\r\n", 1,
         "form=1&GET http://x/ HTTP/1.0\r\n\r\n"},
    };
    for (const auto& c : cases) {
        Framed whole = Frame({c.bytes});
        EXPECT_FALSE(whole.bad) << c.name;
        EXPECT_EQ(c.heads, whole.heads.size()) << c.name;
        EXPECT_EQ(c.body, Unbracket(whole.body)) << c.name;
        for (size_t at = 1; at < c.bytes.size(); ++at) {
            Framed split = Frame({c.bytes.substr(0, at), c.bytes.substr(at)});
            ASSERT_EQ(whole.heads, split.heads) << c.name << " at " << at;
            ASSERT_EQ(c.body, Unbracket(split.body)) << c.name << " at " << at;
        }
    }
}

TEST(RequestReplay, UnframeableRequestsAreBad) {
    EXPECT_TRUE(Frame({"POST http://a/ HTTP/1.0\r\nContent-Length: -5\r\n\r\n"}).bad);
    EXPECT_TRUE(Frame({"POST http://a/ HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"}).bad);
    EXPECT_TRUE(Frame({"GET http://a/ HTTP/1.1\r\nX: " + std::string(70000, 'a')}).bad);
    EXPECT_TRUE(Frame({"POST http://a/ HTTP/1.1\r\nContent-Length: 4\r\nContent-Length: 3\r\n\r\nform"}).bad);
}

}  // namespace
}  // namespace proxy
