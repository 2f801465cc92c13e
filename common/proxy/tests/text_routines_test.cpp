#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "common/proxy/dns_cache.h"
#include "common/proxy/http_text.h"

namespace proxy {
namespace {

struct UrlRow {
    const char* line;
    const char* host;
    int port;
    const char* path;
    bool tunnel;
    bool secure;
};

TEST(ParseUrl, RequestLinesTable) {
    const UrlRow rows[] = {
        {"CONNECT mail.example.com:443 HTTP/1.0\r\n", "mail.example.com", 443, "", true, false},
        {"connect mail.example.com HTTP/1.0", "mail.example.com", 80, "", true, false},
        {"GET http://example.com HTTP/1.1\r\n", "example.com", 80, "/", false, false},
        {"GET http://example.com?q=1 HTTP/1.1", "example.com", 80, "/?q=1", false, false},
        {"GET http://shop.example.com:8080/a/b.html HTTP/1.1\r\n", "shop.example.com", 8080, "/a/b.html", false, false},
        {"GET HTTP://Example.com/x HTTP/1.0", "Example.com", 80, "/x", false, false},
        {"GET https://bank.example.com/login HTTP/1.1", "bank.example.com", 80, "/login", false, true},
        {"GET http://user@example.com:81/ HTTP/1.1", "example.com", 81, "/", false, false},
        {"GET http://example.com:99999/ HTTP/1.1", "example.com", 0, "/", false, false},
        {"GET http://example.com:x/ HTTP/1.1", "example.com", 0, "/", false, false},
        {"GET http://example.com:/ HTTP/1.1", "example.com", 0, "/", false, false},
        {"GET http://:80/ HTTP/1.1", "", 80, "/", false, false},
        {"GET http://a:1:2/ HTTP/1.1", "a", 0, "/", false, false},
        {"GET /index.html\r\n", "", 80, "", false, false},
        {"GET http://example.com/ HTTP/1.1 extra\r\n", "", 80, "", false, false},
        {"GET ftp://example.com/ HTTP/1.1", "", 80, "", false, false},
        {"GET /relative HTTP/1.1", "", 80, "", false, false},
        {"", "", 80, "", false, false},
    };
    for (const UrlRow& row : rows) {
        RequestLine r = ParseURL(row.line);
        EXPECT_EQ(row.host, r.host) << row.line;
        EXPECT_EQ(row.port, r.port) << row.line;
        EXPECT_EQ(row.path, r.path) << row.line;
        EXPECT_EQ(row.tunnel, r.tunnel) << row.line;
        EXPECT_EQ(row.secure, r.secure) << row.line;
    }
    RequestLine r = ParseURL("POST http://a.example/form HTTP/1.0\r\n");
    EXPECT_EQ("POST", r.method);
    EXPECT_EQ("HTTP/1.0", r.version);
    EXPECT_EQ("a.example", r.hostAndPort);
}

TEST(HeadEnd, LineEndsTable) {
    const struct {
        const char* bytes;
        size_t end;
    } rows[] = {
        {"GET / HTTP/1.0\r\nA: b\r\n\r\nbody", 24},
        {"GET / HTTP/1.0\nA: b\n\nbody", 21},
        {"GET / HTTP/1.0\r\nA: b\r\n\nbody", 23},
        {"GET / HTTP/1.0\nA: b\n\r\nbody", 22},
        {"GET / HTTP/1.0\r\nA: b\r\n", std::string::npos},
        {"GET / HTTP/1.0\r\nA: b\r\n\r", std::string::npos},
        {"A\r\nB\rC\r\n\r\n", 10},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.end, FindHeadEnd(row.bytes)) << row.bytes;
        EXPECT_EQ(row.end != std::string::npos, IsHeaderComplete(row.bytes)) << row.bytes;
    }
}

TEST(HeadEnd, ParseHeadersKeepsLineEndsAndRemovesTheHead) {
    std::string bytes = "HTTP/1.1 200 OK\r\nA: 1\nB: 2\r\n\r\nrest";
    std::vector<std::string> lines;
    ASSERT_TRUE(ParseHeaders(bytes, lines));
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("A: 1\n", lines[1]);
    EXPECT_EQ("rest", bytes);
    std::string partial = "HTTP/1.1 200 OK\r\n";
    EXPECT_FALSE(ParseHeaders(partial, lines));
    EXPECT_EQ("HTTP/1.1 200 OK\r\n", partial);
    // Empty lines in front of a head are dropped, never taken for its end.
    std::string leading = "\r\nGET http://a.example/ HTTP/1.0\r\nHost: a.example\r\n\r\nBODY";
    ASSERT_TRUE(ParseHeaders(leading, lines));
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("GET http://a.example/ HTTP/1.0\r\n", lines[0]);
    EXPECT_EQ("BODY", leading);
    std::string blank = "\n\n";
    EXPECT_FALSE(ParseHeaders(blank, lines));
    EXPECT_EQ("", blank);
    EXPECT_EQ("A\r\nB\r\n\r\n", TerminateHeader("A\r\nB\n\n"));
    EXPECT_EQ("\n\r\n\r\n", TerminateHeader("\n"));
}

TEST(Headers, NamesMatchExactlyAtTheLineStart) {
    EXPECT_TRUE(HeaderNameIs("Content-Length:123\r\n", "content-length"));
    EXPECT_FALSE(HeaderNameIs("content-length : 5\r\n", "content-length"));
    EXPECT_FALSE(HeaderNameIs("Content-Length\t: 5\r\n", "content-length"));
    EXPECT_FALSE(HeaderNameIs("X-Content-Length: 5\r\n", "content-length"));
    EXPECT_FALSE(HeaderNameIs("Content-Lengthy: 5\r\n", "content-length"));
    EXPECT_FALSE(HeaderNameIs("Content-Length 5\r\n", "content-length"));

    std::vector<std::string> lines = {"HTTP/1.1 200 OK\r\n", "X-Content-Length: 9\r\n",
                                      "Content-Length:123\r\n", "Content-Type: text/html\n"};
    unsigned long long length = 0;
    bool valid = false;
    ASSERT_TRUE(ReadContentLength(lines, length, valid));
    EXPECT_TRUE(valid);
    EXPECT_EQ(123u, length);
    ASSERT_TRUE(RewriteContentLength(lines, 4567));
    EXPECT_EQ("X-Content-Length: 9\r\n", lines[1]);
    EXPECT_EQ("Content-Length: 4567\r\n", lines[2]);

    std::vector<std::string> none = {"HTTP/1.1 200 OK\r\n", "X-Content-Length: 9\r\n"};
    EXPECT_FALSE(RewriteContentLength(none, 5));
    EXPECT_EQ(2u, none.size());
    EXPECT_FALSE(ReadContentLength(none, length, valid));

    std::vector<std::string> bad = {"HTTP/1.1 200 OK\r\n", "Content-Length: 12x\r\n"};
    EXPECT_TRUE(ReadContentLength(bad, length, valid));
    EXPECT_FALSE(valid);
    std::vector<std::string> huge = {"HTTP/1.1 200 OK\r\n", "Content-Length: 99999999999999999999\r\n"};
    ReadContentLength(huge, length, valid);
    EXPECT_FALSE(valid);
}

TEST(Headers, TransferCodingAndContentClass) {
    EXPECT_TRUE(IsChunked({"HTTP/1.1 200 OK\r\n", "Transfer-Encoding: gzip, Chunked\r\n"}));
    EXPECT_FALSE(IsChunked({"HTTP/1.1 200 OK\r\n", "X-Transfer-Encoding: chunked\r\n"}));
    EXPECT_FALSE(IsChunked({"HTTP/1.1 200 OK\r\n", "Transfer-Encoding: chunked, gzip\r\n"}));

    const struct {
        const char* type;
        unsigned cls;
    } rows[] = {
        {nullptr, kClassHtml | kClassText},
        {"Content-Type: text/html; charset=utf-8", kClassHtml | kClassText},
        {"Content-Type: TEXT/PLAIN", kClassText},
        {"Content-Type: text/x-component", kClassOther},
        {"Content-Type: image/gif", kClassOther},
        {"Content-Type: application/x-javascript", kClassScript | kClassText},
        {"Content-Type: text/jscript", kClassScript | kClassText},
        {"Content-Type: application/octet-stream", kClassOther},
        {"Content-Type: text/xml; charset=utf-8", kClassOther},
        {"Content-Type: application/xml", kClassOther},
        {"Content-Type: application/xhtml+xml", kClassOther},
        {"Content-Type: image/svg+xml", kClassOther},
    };
    for (const auto& row : rows) {
        std::vector<std::string> lines = {"HTTP/1.1 200 OK\r\n"};
        if (row.type != nullptr) lines.push_back(std::string(row.type) + "\r\n");
        EXPECT_EQ(row.cls, ContentClassOf(lines)) << (row.type ? row.type : "(none)");
    }
}

TEST(Headers, WhichMessagesEndTheirConnection) {
    const struct {
        std::vector<std::string> lines;
        bool ends;
    } rows[] = {
        {{"GET / HTTP/1.0\r\n"}, true},
        {{"GET / HTTP/1.0\r\n", "Proxy-Connection: Keep-Alive\r\n"}, false},
        {{"GET / HTTP/1.1\r\n"}, false},
        {{"GET / HTTP/1.1\r\n", "Connection: TE, close\r\n"}, true},
        {{"HTTP/1.0 200 OK\r\n"}, true},
        {{"HTTP/1.0 200 OK\r\n", "Connection: keep-alive\r\n"}, false},
        {{"HTTP/1.1 200 OK\r\n", "X-Connection: close\r\n"}, false},
        {{"HTTP/1.1 200 OK\r\n", "Connection: Close\r\n"}, true},
    };
    for (const auto& row : rows) EXPECT_EQ(row.ends, EndsConnection(row.lines)) << JoinLines(row.lines);
}

TEST(Methods, FirstTokenMatchesExactly) {
    const struct {
        const char* line;
        bool known;
    } rows[] = {
        {"GET http://a/ HTTP/1.0", true}, {"get http://a/ HTTP/1.0", true},
        {"HEAD http://a/ HTTP/1.0", true}, {"PUT http://a/ HTTP/1.0", true},
        {"DELETE http://a/ HTTP/1.0", true}, {"POST http://a/ HTTP/1.0", false},
        {"XGET http://a/ HTTP/1.0", false}, {"GETX http://a/ HTTP/1.0", false},
        {"OUTPUT http://a/ HTTP/1.0", false}, {"", false},
    };
    for (const auto& row : rows) EXPECT_EQ(row.known, IsHttpMethod(row.line)) << row.line;
}

TEST(Tokens, SeparatorsAndLineEnd) {
    std::vector<std::string> tokens;
    EXPECT_EQ(3u, TokenizeString("  a \tbb  c\nd e", " \t", tokens));
    EXPECT_EQ((std::vector<std::string>{"a", "bb", "c"}), tokens);
    EXPECT_EQ(0u, TokenizeString("", " ", tokens));
    EXPECT_TRUE(tokens.empty());
    // A zero byte is text, not a separator: no request line hides behind it.
    const std::string zeros("GET\0http://a.example/x\0HTTP/1.0\r\n", 33);
    EXPECT_EQ(1u, TokenizeString(zeros, " \t\r\n", tokens));
    EXPECT_TRUE(ParseURL(zeros).host.empty());
}

TEST(ChunkSize, LinesTable) {
    const struct {
        const char* line;
        long long size;
    } rows[] = {
        {"1a;ext=1\r\n", 26}, {"1A\r\n", 26}, {"0\r\n", 0}, {"  ff  \r\n", 255},
        {"7fffffff\r\n", 0x7fffffff}, {"80000000\r\n", -1}, {"ffffffffffffffffffff\r\n", -1},
        {"zz\r\n", -1}, {"\r\n", -1}, {"1a x\r\n", -1}, {"10 ; name=v\n", 16},
    };
    for (const auto& row : rows) EXPECT_EQ(row.size, ReadChunkSize(row.line)) << row.line;
}

std::string FeedInPieces(ChunkDecoder& decoder, const std::string& bytes, size_t piece, size_t* used) {
    std::string payload;
    *used = 0;
    for (size_t at = 0; at < bytes.size() && decoder.state() != ChunkDecoder::Done &&
                        decoder.state() != ChunkDecoder::Error; at += piece) {
        std::string part = bytes.substr(at, piece);
        size_t n = decoder.Feed(part.data(), part.size(), &payload);
        *used += n;
    }
    return payload;
}

TEST(ChunkSize, DecoderAnySplitExtensionsTrailersAndLateLineEnd) {
    const std::string body = "1a;ext=\"x\"\r\nabcdefghijklmnopqrstuvwxyz\r\n3\nxyz\n0\r\nX-Sum: 1\r\n\r\nNEXT";
    for (size_t piece = 1; piece <= body.size(); ++piece) {
        ChunkDecoder decoder;
        size_t used = 0;
        EXPECT_EQ("abcdefghijklmnopqrstuvwxyzxyz", FeedInPieces(decoder, body, piece, &used)) << piece;
        EXPECT_EQ(ChunkDecoder::Done, decoder.state());
        EXPECT_EQ(body.size() - 4, used);
        EXPECT_EQ("X-Sum: 1\r\n", decoder.trailers());
    }
    ChunkDecoder late;
    std::string payload;
    late.Feed("5\r\nhello", 8, &payload);
    EXPECT_EQ(ChunkDecoder::DataEnd, late.state());
    late.Feed("\r", 1, &payload);
    late.Feed("\n0\r\n\r\n", 6, &payload);
    EXPECT_EQ(ChunkDecoder::Done, late.state());
    EXPECT_EQ("hello", payload);
}

TEST(ChunkSize, DecoderRejectsOverflowAndGarbage) {
    const char* bad[] = {"100000000\r\n", "5\r\nhelloXX", "g\r\n", "5\r\nhello\r\r"};
    for (const char* bytes : bad) {
        ChunkDecoder decoder;
        std::string payload;
        decoder.Feed(bytes, std::strlen(bytes), &payload);
        EXPECT_EQ(ChunkDecoder::Error, decoder.state()) << bytes;
    }
}

TEST(Markup, TagsAndScripts) {
    const std::string page =
        "<HTML><Script>if (a<b) document.write('<pre>');</SCRIPT><pre>x</pre>"
        "<meta name=a><p><code>c</code><textarea>";
    MarkupScan scan;
    ScanMarkup(page.data(), page.size(), scan);
    const std::vector<std::string> tags = {"<script>", "</script>", "<pre>", "</pre>",
                                           "<meta name=a>", "<code>", "</code>", "<textarea>"};
    EXPECT_EQ(tags, scan.tags);
    ASSERT_EQ(tags.size(), scan.positions.size());
    EXPECT_EQ(14u, scan.positions[0]);
    EXPECT_EQ(page.find("</SCRIPT>"), scan.positions[1]);
    EXPECT_EQ(page.find("<pre>x") + 5, scan.positions[2]);

    std::string tag;
    EXPECT_EQ(0u, ReadTag("<a href", 7, 0, tag));
    EXPECT_EQ(5u, ReadTag("<A B>", 5, 0, tag));
    EXPECT_EQ("<a b>", tag);
    MarkupScan open;
    const std::string unclosed = "<script>var a = 1;";
    EXPECT_EQ(unclosed.size(), FindScriptEnd(unclosed.data(), unclosed.size(), 8, open));
}

TEST(DnsCacheTest, LookupStoreAndLimits) {
    DnsCache cache;
    EXPECT_EQ(0u, cache.DnsCacheLookup("a.example", 10));
    cache.DnsCacheStore("a.example", 0x0100007f, 10);
    EXPECT_EQ(0x0100007fu, cache.DnsCacheLookup("a.example", 10));
    EXPECT_EQ(0u, cache.DnsCacheLookup("A.example", 10));
    EXPECT_EQ(1, cache.Hits());
    EXPECT_EQ(2, cache.Misses());

    std::string longName(300, 'x');
    cache.DnsCacheStore(longName, 7, 10);
    EXPECT_EQ(7u, cache.DnsCacheLookup(longName.substr(0, 255), 10));
    EXPECT_EQ(7u, cache.DnsCacheLookup(longName, 10));

    DnsCache off;
    off.DnsCacheStore("b.example", 5, 0);
    EXPECT_EQ(0u, off.DnsCacheLookup("b.example", 10));
    off.DnsCacheStore("b.example", 5, -3);
    EXPECT_EQ(0u, off.DnsCacheLookup("b.example", 10));
}

TEST(DnsCacheTest, RotationStaysInsideTheTableWhenTheSizeShrinks) {
    DnsCache cache;
    for (int i = 1; i <= 8; ++i) cache.DnsCacheStore("h" + std::to_string(i), i, 5);
    // h1..h5 filled the table; h6..h8 replaced entries 0..2.
    EXPECT_EQ(0u, cache.DnsCacheLookup("h1", 5));
    EXPECT_EQ(8u, cache.DnsCacheLookup("h8", 5));
    EXPECT_EQ(4u, cache.DnsCacheLookup("h4", 5));
    cache.DnsCacheStore("small", 99, 2);
    EXPECT_EQ(99u, cache.DnsCacheLookup("small", 2));
    cache.DnsCacheStore("big", 100, 500);
    EXPECT_EQ(100u, cache.DnsCacheLookup("big", 500));
}

TEST(DnsCacheTest, ConcurrentStoresAndLookups) {
    DnsCache cache;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&cache, t] {
            for (int i = 0; i < 2000; ++i) {
                std::string name = "host" + std::to_string((i + t) % 40);
                cache.DnsCacheStore(name, static_cast<uint32_t>(1 + (i + t) % 40), 1 + i % 20);
                uint32_t found = cache.DnsCacheLookup(name, 20);
                if (found != 0) {
                    EXPECT_EQ(static_cast<uint32_t>(1 + (i + t) % 40), found);
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
}

TEST(SocketErrors, TextsByCode) {
    EXPECT_EQ("", SocketErrorText(0));
    EXPECT_EQ("Connection reset", SocketErrorText(10054));
    EXPECT_EQ("Winsock error = (12345)", SocketErrorText(12345));
}

}  // namespace
}  // namespace proxy
