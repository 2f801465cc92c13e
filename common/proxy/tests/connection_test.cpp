// The engine on real loopback sockets: an origin in the test, the proxy
// between it and the test's clients.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/http_text.h"
#include "common/proxy/proxy_listener.h"
#include "common/proxy/tests/loopback.h"

namespace proxy {
namespace {

using proxytest::Connect;
using proxytest::HttpResponse;
using proxytest::Origin;
using proxytest::PeerClosed;
using proxytest::RecordingOrigin;
using proxytest::ReceiveAll;
using proxytest::ReceiveExactly;
using proxytest::ReceiveMessage;
using proxytest::SendAll;

class MarkFilter : public ResponseFilter {
public:
    bool WantsBody(const ResponseInfo& info) const override {
        return (info.contentClass & kClassText) != 0 && (info.contentClass & kClassScript) == 0;
    }
    bool FilterBody(const ResponseInfo&, std::string& body) override {
        body.insert(0, "<!--F-->");
        return true;
    }
};

// Forwards every request to the host it names and marks HTML pages; notes
// the thread each request came on.
class DirectPolicy : public ProxyPolicy {
public:
    RelaySettings Relay() const override { return RelaySettings(); }
    RequestDecision OnRequest(const RequestLine& request, std::vector<std::string>&) override {
        lastThread = GetCurrentThreadId();
        RequestDecision decision;
        decision.host = request.host;
        decision.port = request.port;
        decision.filter = std::make_shared<MarkFilter>();
        return decision;
    }
    std::atomic<DWORD> lastThread{0};
};

class ProxyOnLoopback : public ::testing::Test {
protected:
    void SetUp() override {
        policy = std::make_shared<DirectPolicy>();
        listener = std::make_unique<CProxyListener>(policy);
        ASSERT_EQ(1, listener->Start(0, 5)) << listener->LastError();
    }
    std::string Url(unsigned short port, const char* path = "/") {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }
    std::shared_ptr<DirectPolicy> policy;
    std::unique_ptr<CProxyListener> listener;
};

TEST_F(ProxyOnLoopback, RequestBodiesOfSeveralPacketsArriveByteExact) {
    RecordingOrigin origin(HttpResponse("application/octet-stream", "ok"));
    std::string body;
    for (int i = 0; i < 3000; ++i) body += static_cast<char>(i * 7);
    Socket client = Connect(listener->Port());
    for (const char* method : {"POST", "PUT"}) {
        std::string head = std::string(method) + " " + Url(origin.port(), "/up") +
                           " HTTP/1.1\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n";
        ASSERT_TRUE(SendAll(client.get(), head + body.substr(0, 1000)));
        Sleep(50);
        ASSERT_TRUE(SendAll(client.get(), body.substr(1000, 1000)));
        Sleep(50);
        ASSERT_TRUE(SendAll(client.get(), body.substr(2000)));
        EXPECT_EQ(HttpResponse("application/octet-stream", "ok"), ReceiveMessage(client.get()));
    }
    std::vector<std::string> requests = origin.Requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("POST /up HTTP/1.1\r\nContent-Length: 3000\r\n\r\n" + body, requests[0]);
    EXPECT_EQ("PUT /up HTTP/1.1\r\nContent-Length: 3000\r\n\r\n" + body, requests[1]);
}

TEST_F(ProxyOnLoopback, ConnectTunnelCarriesBytesBothWaysAndKeepsEarlyBytes) {
    Origin echo([](SOCKET s) {
        char block[4096];
        for (int n; (n = recv(s, block, sizeof block, 0)) > 0;)
            if (!SendAll(s, std::string(block, n))) return;
    });
    Socket client = Connect(listener->Port());
    std::string early("\x16\x03\x01\0early", 9);
    ASSERT_TRUE(SendAll(client.get(), "CONNECT 127.0.0.1:" + std::to_string(echo.port()) +
                                          " HTTP/1.0\r\n\r\n" + early));
    std::string reply = kTunnelReply;
    EXPECT_EQ(reply + early, ReceiveExactly(client.get(), reply.size() + early.size()));
    std::string data;
    for (int i = 0; i < 100000; ++i) data += static_cast<char>(i % 251);
    ASSERT_TRUE(SendAll(client.get(), data));
    EXPECT_EQ(data, ReceiveExactly(client.get(), data.size()));
}

// Site bytes queued behind a chunk are relayed without a wait in between;
// the loop must still never block on a drained site, or the browser's next
// request on the connection would go unheard.
TEST_F(ProxyOnLoopback, LongStreamsEndExactlyAndTheNextRequestIsServed) {
    std::string big;
    for (size_t i = 0; i < (3u << 20) + 4097; ++i) big += static_cast<char>(i * 131 + (i >> 12));
    const std::string bigReply = HttpResponse("application/octet-stream", big);
    RecordingOrigin origin(bigReply);
    Socket client = Connect(listener->Port());
    for (const char* path : {"/one", "/two"}) {
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(origin.port(), path) + " HTTP/1.1\r\n\r\n"));
        EXPECT_TRUE(ReceiveMessage(client.get(), 30000) == bigReply) << path;
    }
}

TEST_F(ProxyOnLoopback, BadAndUnreachableRequestsGetTheirReplies) {
    const struct {
        std::string request;
        std::string reply;
    } rows[] = {
        {"GET / HTTP/1.0\r\n\r\n", kBadRequestReply},
        {"GET http://:80/ HTTP/1.0\r\n\r\n", kBadRequestReply},
        {"GET https://127.0.0.1/ HTTP/1.0\r\n\r\n", kBadRequestReply},
        {"GET " + Url(proxytest::ClosedPort()) + " HTTP/1.0\r\n\r\n", kConnectFailedReply},
    };
    for (const auto& row : rows) {
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), row.request));
        EXPECT_EQ(row.reply, ReceiveAll(client.get())) << row.request;
    }
}

TEST_F(ProxyOnLoopback, KeepAliveRequestDoesNotInheritThePreviousHost) {
    RecordingOrigin origin(HttpResponse("application/octet-stream", "ok"));
    Socket client = Connect(listener->Port());
    ASSERT_TRUE(SendAll(client.get(), "GET " + Url(origin.port(), "/a") + " HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(HttpResponse("application/octet-stream", "ok"), ReceiveMessage(client.get()));
    ASSERT_TRUE(SendAll(client.get(), "GET /b HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(kBadRequestReply, ReceiveAll(client.get()));
    EXPECT_EQ(1u, origin.Requests().size());
}

TEST_F(ProxyOnLoopback, RequestAfterAnUnframedOptionsIsParsedAndRoutedToItsHost) {
    RecordingOrigin first(HttpResponse("application/octet-stream", "one"));
    RecordingOrigin second(HttpResponse("application/octet-stream", "two"));
    Socket client = Connect(listener->Port());
    ASSERT_TRUE(SendAll(client.get(), "OPTIONS " + Url(first.port(), "/a") + " HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(HttpResponse("application/octet-stream", "one"), ReceiveMessage(client.get()));
    ASSERT_TRUE(SendAll(client.get(), "GET " + Url(second.port(), "/b") + " HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(HttpResponse("application/octet-stream", "two"), ReceiveMessage(client.get()));
    EXPECT_EQ(std::vector<std::string>{"OPTIONS /a HTTP/1.1\r\n\r\n"}, first.Requests());
    EXPECT_EQ(std::vector<std::string>{"GET /b HTTP/1.1\r\n\r\n"}, second.Requests());
}

TEST_F(ProxyOnLoopback, SiteClosingAnIdleConnectionKeepsTheBrowsers) {
    Origin once([](SOCKET s) {
        if (!ReceiveMessage(s).empty()) SendAll(s, HttpResponse("text/html", "<html>x</html>"));
    });
    const std::string expected = HttpResponse("text/html", "<!--F--><html>x</html>");
    Socket client = Connect(listener->Port());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(once.port()) + " HTTP/1.1\r\n\r\n"));
        EXPECT_EQ(expected, ReceiveMessage(client.get())) << i;
        Sleep(300);
    }
    EXPECT_EQ(3, once.accepted());
}

// A client that reads to the end of the connection gets the response and
// then the end, whether its request or the response asked for the close.
TEST_F(ProxyOnLoopback, ConnectionEndsWhenTheSiteEndsItAfterItsResponse) {
    const struct {
        const char* version;
        std::string reply;
    } rows[] = {
        {"HTTP/1.0", HttpResponse("application/octet-stream", std::string(100000, 'b'))},
        {"HTTP/1.1", HttpResponse("application/octet-stream", "bye", "Connection: close\r\n")},
    };
    for (const auto& row : rows) {
        const std::string reply = row.reply;
        Origin site([&reply](SOCKET s) {
            if (!ReceiveMessage(s).empty()) SendAll(s, reply);
        });
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(site.port()) + " " + row.version + "\r\n\r\n"));
        EXPECT_EQ(reply, ReceiveExactly(client.get(), reply.size())) << row.version;
        EXPECT_TRUE(PeerClosed(client.get())) << row.version;
    }
}

// A held page the site ends early keeps the length it announced (grown by
// the filter's bytes), or its chunks stay open: the browser sees it short.
TEST_F(ProxyOnLoopback, PageCutShortReachesTheClientShort) {
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
    const struct {
        std::string sent;
        std::string received;
    } rows[] = {
        {head + "Content-Length: 100\r\n\r\n<html>cut",
         head + "Content-Length: 108\r\n\r\n<!--F--><html>cut"},
        {head + "Transfer-Encoding: chunked\r\n\r\n9\r\n<html>cut\r\n4\r\nmo",
         head + "Transfer-Encoding: chunked\r\n\r\n13\r\n<!--F--><html>cutmo\r\n"},
    };
    for (const auto& row : rows) {
        const std::string sent = row.sent;
        Origin site([&sent](SOCKET s) {
            if (!ReceiveMessage(s).empty()) SendAll(s, sent);
        });
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(site.port()) + " HTTP/1.1\r\n\r\n"));
        EXPECT_EQ(row.received, ReceiveAll(client.get())) << row.sent;
    }
}

// The site closes a kept connection after reading the next request, never
// answering it: a GET goes once more on a fresh connection and is answered;
// a POST is not sent again, and the browser's connection ends unanswered.
TEST_F(ProxyOnLoopback, OnlyARequestThatMayGoTwiceIsSentAgain) {
    std::atomic<int> dropped{0};
    Origin site([&dropped](SOCKET s) {
        if (ReceiveMessage(s).empty()) return;
        SendAll(s, HttpResponse("application/octet-stream", "one"));
        if (!ReceiveMessage(s).empty()) ++dropped;
    });
    Socket client = Connect(listener->Port());
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(site.port()) + " HTTP/1.1\r\n\r\n"));
        EXPECT_EQ(HttpResponse("application/octet-stream", "one"), ReceiveMessage(client.get())) << i;
    }
    ASSERT_TRUE(SendAll(client.get(), "POST " + Url(site.port()) + " HTTP/1.1\r\nContent-Length: 4\r\n\r\nform"));
    EXPECT_EQ("", ReceiveAll(client.get()));
    EXPECT_EQ(2, site.accepted());
    EXPECT_EQ(2, dropped);
}

// A request to another site, or one the proxy would refuse, pipelined
// behind one whose response is under way: that response arrives whole and
// unmixed, then the connection ends.
TEST_F(ProxyOnLoopback, AResponseUnderWayIsFinishedBeforeTheConnectionEnds) {
    const std::string reply = HttpResponse("application/octet-stream", std::string(200000, 'r'));
    Origin slow([&reply](SOCKET s) {
        if (ReceiveMessage(s).empty()) return;
        SendAll(s, reply.substr(0, 1000));
        Sleep(300);
        SendAll(s, reply.substr(1000));
        ReceiveAll(s, 2000);
    });
    for (const std::string& next : {"GET " + Url(proxytest::ClosedPort()) + " HTTP/1.1\r\n\r\n",
                                    std::string("GET /no-host HTTP/1.1\r\n\r\n")}) {
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(slow.port()) + " HTTP/1.1\r\n\r\n"));
        Sleep(100);
        ASSERT_TRUE(SendAll(client.get(), next));
        EXPECT_TRUE(ReceiveExactly(client.get(), reply.size()) == reply) << next;
        EXPECT_TRUE(PeerClosed(client.get())) << next;
    }
}

TEST_F(ProxyOnLoopback, SplitResponsesReachTheClientUnchanged) {
    const std::string page = "<html><head></head><body>split</body></html>";
    const std::string response = HttpResponse("text/html", page);
    const std::string expected = HttpResponse("text/html", "<!--F-->" + page);
    for (size_t at : {size_t(1), size_t(10), response.find("\r\n\r\n") + 2, response.find("\r\n\r\n") + 4,
                      response.size() - 1}) {
        Origin origin([&response, at](SOCKET s) {
            if (ReceiveMessage(s).empty()) return;
            SendAll(s, response.substr(0, at));
            Sleep(40);
            SendAll(s, response.substr(at));
            ReceiveAll(s, 2000);
        });
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n"));
        EXPECT_EQ(expected, ReceiveMessage(client.get())) << at;
    }
}

TEST_F(ProxyOnLoopback, TwoHundredKeepAliveClientsAreServedAndCloseEndsEveryRelay) {
    const std::string page = "<html>load</html>";
    RecordingOrigin origin(HttpResponse("text/html", page));
    const int kClients = 200;
    std::vector<Socket> clients;
    // One connection at a time, each accepted before the next: the listen
    // backlog is 5, and a burst beyond it only tests the host's SYN retries.
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(Connect(listener->Port()));
        ASSERT_TRUE(clients.back().valid()) << i;
        for (int wait = 0; wait < 500 && listener->LiveConnections() <= i; ++wait) Sleep(10);
    }
    const std::string expected = HttpResponse("text/html", "<!--F-->" + page);
    for (int round = 0; round < 2; ++round) {
        for (Socket& client : clients)
            ASSERT_TRUE(SendAll(client.get(), "GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n"));
        int served = 0;
        for (Socket& client : clients) served += ReceiveMessage(client.get(), 20000) == expected;
        EXPECT_EQ(kClients, served) << "round " << round;
    }
    EXPECT_EQ(kClients, listener->LiveConnections());
    listener->Close();
    EXPECT_TRUE(listener->WaitForConnections(5000));
    EXPECT_EQ(0, listener->LiveConnections());
    int closed = 0;
    for (Socket& client : clients) closed += ReceiveAll(client.get(), 2000).empty();
    EXPECT_EQ(kClients, closed);
}

TEST_F(ProxyOnLoopback, NextConnectionRunsOnTheThreadThePreviousOneEndedOn) {
    const std::string page = "<html>again</html>";
    RecordingOrigin origin(HttpResponse("text/html", page));
    DWORD threads[2] = {};
    for (DWORD& thread : threads) {
        Socket client = Connect(listener->Port());
        ASSERT_TRUE(SendAll(client.get(), "GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n"));
        EXPECT_EQ(HttpResponse("text/html", "<!--F-->" + page), ReceiveMessage(client.get()));
        thread = policy->lastThread;
        client.Close();
        ASSERT_TRUE(listener->WaitForConnections(5000));
        Sleep(100);  // from the count's drop to waiting for the next is a few steps
    }
    EXPECT_EQ(threads[0], threads[1]);
    // A thread waiting for work is no connection: closing does not wait on it.
    const DWORD start = GetTickCount();
    listener.reset();
    EXPECT_LT(GetTickCount() - start, 3000u);
}

TEST_F(ProxyOnLoopback, ListenerGoneBeforeItsConnectionsTouchesNothingFreed) {
    Origin slow([](SOCKET s) {
        ReceiveMessage(s);
        Sleep(300);
        SendAll(s, HttpResponse("text/plain", "late"));
    });
    Socket client = Connect(listener->Port());
    ASSERT_TRUE(SendAll(client.get(), "GET " + Url(slow.port()) + " HTTP/1.1\r\n\r\n"));
    Sleep(50);
    listener.reset();
    EXPECT_EQ("", ReceiveAll(client.get(), 3000));
}

}  // namespace
}  // namespace proxy
