// The privacy proxy's decision for each request, one group of rows at a
// time, through real connections on loopback: a test origin as the site, a
// second one standing in for the anonymous hub.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/tests/loopback.h"
#include "platform/sync/sync.h"
#include "platform/testkit/scratch.h"
#include "privacy/core/privacy_filters.h"
#include "privacy/core/privacy_proxy.h"

namespace privacy {
namespace {

using proxytest::Connect;
using proxytest::HttpResponse;
using proxytest::ReceiveAll;
using proxytest::ReceiveMessage;
using proxytest::RecordingOrigin;
using proxytest::SendAll;

const int64_t kNow = 1700000000;
const std::string kBlockPage = "<html><body>blocked</body></html>";
const std::string kBlockImage = std::string("GIF89a\x01\x00\x01\x00", 10);

bool ControlUp() { return false; }
int64_t FixedNow() { return kNow; }

class ProxyRows : public ::testing::Test {
protected:
    ProxyRows() : dir("privacy-decisions"), hub(HttpResponse("text/plain", "from the hub")) {}

    void SetUp() override {
        dir.write("Block\\Block.htm", kBlockPage);
        dir.write("Block\\Block.gif", kBlockImage);
        WriteHubList({"127.0.0.1:" + std::to_string(hub.port())});
    }

    void WriteHubList(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        dir.write("Block\\AnonPS.txt", text);
    }

    // Starts the proxy with these defaults and site records.
    void Start(const BlockingOptions& defaults, const std::vector<CSiteRecord>& sites = {}) {
        CorbeltProbes probes;
        probes.online = [] { return true; };
        probes.controlHeld = &ControlUp;
        probes.now = &FixedNow;
        proxy.reset(new CorbeltProxy(ProgramFiles(dir.path()), probes));
        proxy->Load();
        PrivacySettings settings = proxy->Sites().Snapshot();
        settings.defaults = defaults;
        settings.sites = sites;
        proxy->Sites().Replace(settings);
        ASSERT_EQ(1, proxy->Start(0)) << proxy->LastError();
    }

    static CSiteRecord Own(const std::string& host, BlockingOptions o, int userInfo = 0) {
        CSiteRecord record;
        record.host = host;
        record.useDefaults = 0;
        record.hub = o.hub;
        record.wholeSite = o.wholeSite;
        record.images = o.images;
        record.popups = o.popups;
        record.userInfo = userInfo;
        return record;
    }

    std::string Exchange(const std::string& request) {
        proxy::Socket client = Connect(proxy->Port());
        SendAll(client.get(), request);
        return ReceiveMessage(client.get());
    }

    // For replies that end by closing the connection.
    std::string ExchangeAll(const std::string& request) {
        proxy::Socket client = Connect(proxy->Port());
        SendAll(client.get(), request);
        return ReceiveAll(client.get());
    }

    std::vector<int> EventTypes() {
        std::vector<int> types;
        for (const CEventRecord& e : proxy->Sites().Events()) types.push_back(e.type);
        return types;
    }

    static std::string Get(unsigned short port, const std::string& path, const std::string& extra = "",
                           const std::string& host = "127.0.0.1") {
        return "GET http://" + host + ":" + std::to_string(port) + path + " HTTP/1.1\r\n" + extra + "\r\n";
    }

    testkit::ScratchDir dir;
    RecordingOrigin hub;
    std::unique_ptr<CorbeltProxy> proxy;
};

TEST_F(ProxyRows, NewSitesAreRecordedOnceWhateverTheCaseOfTheirHost) {
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    Start(BlockingOptions());
    EXPECT_EQ(HttpResponse("text/plain", "site"), Exchange(Get(site.port(), "/a", "", "127.0.0.1")));
    ASSERT_EQ(1u, site.Requests().size());
    EXPECT_EQ("GET /a HTTP/1.1\r\n\r\n", site.Requests()[0]);

    PrivacySettings settings = proxy->Sites().Snapshot();
    ASSERT_EQ(1u, settings.sites.size());
    EXPECT_EQ("127.0.0.1", settings.sites[0].host);
    EXPECT_EQ(1, settings.sites[0].useDefaults);
    EXPECT_EQ(1, settings.sites[0].hits);
    EXPECT_EQ(kNow, settings.sites[0].lastAccess);
    EXPECT_EQ(std::vector<int>({kEventConnected}), EventTypes());

    // "Localhost" and "localhost" are one site; "localhos" is another, not
    // a prefix of the first.
    Exchange(Get(site.port(), "/b", "", "Localhost"));
    Exchange(Get(site.port(), "/c", "", "localhost"));
    settings = proxy->Sites().Snapshot();
    ASSERT_EQ(2u, settings.sites.size());
    EXPECT_EQ(2, settings.sites[1].hits);
    EXPECT_TRUE(proxy->Sites().TakeSitesChanged());

    // A request without a host is refused before any record is looked up.
    EXPECT_EQ(proxy::kBadRequestReply, ExchangeAll("GET /relative HTTP/1.1\r\n\r\n"));
    EXPECT_EQ(2u, proxy->Sites().Snapshot().sites.size());
}

// A site that ends the connection after its response ends the browser's
// too, once the whole response is through.
TEST_F(ProxyRows, ConnectionEndsWhenTheSiteEndsItAfterItsResponse) {
    const std::string reply = HttpResponse("text/plain", std::string(100000, 'c'));
    proxytest::Origin site([&reply](SOCKET s) {
        if (!ReceiveMessage(s).empty()) SendAll(s, reply);
    });
    Start(BlockingOptions());
    proxy::Socket client = Connect(proxy->Port());
    ASSERT_TRUE(SendAll(client.get(), "GET http://127.0.0.1:" + std::to_string(site.port()) + "/ HTTP/1.0\r\n\r\n"));
    EXPECT_EQ(reply, proxytest::ReceiveExactly(client.get(), reply.size()));
    EXPECT_TRUE(proxytest::PeerClosed(client.get()));
}

TEST_F(ProxyRows, WholeSiteBlockAnswersTheBlockPageAndImageBlockLooksAtThePathOnly) {
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    BlockingOptions whole;
    whole.wholeSite = 1;
    BlockingOptions images;
    images.images = 1;
    Start(BlockingOptions(), {Own("localhost", whole), Own("127.0.0.1", images)});

    std::string reply = ExchangeAll(Get(site.port(), "/", "", "localhost"));
    EXPECT_EQ(0u, reply.find("HTTP/1.0 200 OK\nPragma: no-cache\n"));
    EXPECT_NE(std::string::npos, reply.find("Content-Type: text/html\n\n" + kBlockPage));
    EXPECT_EQ(std::vector<int>({kEventSiteBlocked}), EventTypes());

    proxy->Sites().ClearEvents();
    reply = ExchangeAll(Get(site.port(), "/pics/LOGO.GIF?size=2"));
    EXPECT_NE(std::string::npos, reply.find("Content-Type: image/gif\nLast-Modified"));
    EXPECT_NE(std::string::npos, reply.find("Content-Length: 10\n\n" + kBlockImage));
    // ".art" in a query, or ".png" only behind the "?", is no image.
    EXPECT_EQ(HttpResponse("text/plain", "site"), Exchange(Get(site.port(), "/page?from=x.artnet.com")));
    EXPECT_EQ(HttpResponse("text/plain", "site"), Exchange(Get(site.port(), "/show?img=a.png")));
    EXPECT_EQ(std::vector<int>({kEventImageBlocked, kEventConnected, kEventConnected}), EventTypes());
    EXPECT_EQ(2u, site.Requests().size());
}

TEST_F(ProxyRows, ConnectIsAnsweredHereWithoutTheHubAndPassedToTheHubWithIt) {
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    BlockingOptions viaHub;
    viaHub.hub = 1;
    Start(BlockingOptions(), {Own("hubbed.example", viaHub)});

    proxy::Socket tunnel = Connect(proxy->Port());
    SendAll(tunnel.get(), "CONNECT 127.0.0.1:" + std::to_string(site.port()) + " HTTP/1.0\r\n\r\n");
    EXPECT_EQ(proxy::kTunnelReply, ReceiveMessage(tunnel.get()));
    SendAll(tunnel.get(), "GET /inside HTTP/1.1\r\n\r\n");
    EXPECT_EQ(HttpResponse("text/plain", "site"), ReceiveMessage(tunnel.get()));

    const std::string connect = "CONNECT hubbed.example:443 HTTP/1.0\r\nUser-Agent: x\r\n\r\n";
    EXPECT_EQ(HttpResponse("text/plain", "from the hub"), Exchange(connect));
    ASSERT_EQ(1u, hub.Requests().size());
    EXPECT_EQ(connect, hub.Requests()[0]);
    EXPECT_EQ(std::vector<int>({kEventConnected, kEventConnectedByHub}), EventTypes());
}

TEST_F(ProxyRows, RefererStaysForTheSameDomainAndCookieAndAgentGoByOption) {
    // Through the hub, so the site needs no name resolution.
    BlockingOptions info;
    info.hub = info.cookie = info.referer = info.userAgent = 1;
    Start(info);
    const std::string url = "GET http://www.site.test/p HTTP/1.1\r\n";
    Exchange(url + "Referer: http://img.SITE.test/page\r\nAccept: */*\r\n\r\n");
    Exchange(url + "REFERER: http://www.site.test.evil.example/\r\n\r\n");
    Exchange(url + "Referrer: http://elsewhere.example/\r\nCookie: id=1\r\nUser-Agent: B/1\r\nAccept: */*\r\n\r\n");
    ASSERT_EQ(3u, hub.Requests().size());
    EXPECT_EQ(url + "Referer: http://img.SITE.test/page\r\nAccept: */*\r\n\r\n", hub.Requests()[0]);
    // A Referer naming the domain anywhere stays, as the filter has always
    // let it.
    EXPECT_EQ(url + "REFERER: http://www.site.test.evil.example/\r\n\r\n", hub.Requests()[1]);
    EXPECT_EQ(url + "Accept: */*\r\n\r\n", hub.Requests()[2]);

    std::vector<CEventRecord> events = proxy->Sites().Events();
    ASSERT_EQ(4u, events.size());
    EXPECT_EQ(kEventUserInfoBlocked, events[3].type);
    EXPECT_EQ("www.site.test/p", events[3].url);
    EXPECT_NE(std::string::npos, events[3].before.find("Cookie: id=1"));
    EXPECT_EQ(url + "Accept: */*\r\n", events[3].after);
}

TEST_F(ProxyRows, PagesGetThePopupScriptBehindTheirDoctypeAndScriptsLoseTheReferrerPerRequest) {
    const std::string page =
        "<!DOCTYPE html>\n<html><body><script>var r = document.referrer;</script>"
        "<pre>document.referrer</pre></body></html>";
    RecordingOrigin site(HttpResponse("text/html", page));
    BlockingOptions options;
    options.popups = options.referer = 1;
    Start(options);

    proxy::Socket client = Connect(proxy->Port());
    SendAll(client.get(), Get(site.port(), "/1", "Referer: http://other.example/\r\n"));
    std::string hidden = page;
    hidden.replace(hidden.find("referrer;"), 8, "Referrer");
    const std::string expected = "<!DOCTYPE html>" + std::string(kPopupScript) + hidden.substr(15);
    EXPECT_EQ(HttpResponse("text/html", expected), ReceiveMessage(client.get()));

    // The next request on the same connection sends no foreign Referer: its
    // page keeps document.referrer.
    SendAll(client.get(), Get(site.port(), "/2"));
    const std::string kept = "<!DOCTYPE html>" + std::string(kPopupScript) + page.substr(15);
    EXPECT_EQ(HttpResponse("text/html", kept), ReceiveMessage(client.get()));
}

TEST_F(ProxyRows, WithoutAHubNothingIsServedAndTheDropIsLogged) {
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    WriteHubList({"127.0.0.1:" + std::to_string(proxytest::ClosedPort()), "no-port-here", "h:70000"});
    Start(BlockingOptions());
    proxy::Socket client = Connect(proxy->Port());
    SendAll(client.get(), Get(site.port(), "/"));
    EXPECT_EQ("", ReceiveAll(client.get()));
    EXPECT_TRUE(site.Requests().empty());
    EXPECT_EQ(std::vector<int>({kEventNoHub}), EventTypes());
}

// Hub list lines as an editor saves them: the first with a byte-order mark,
// blanks and a note beside the port.
TEST(HubSelection, HubListLinesAreReadAsPeopleWriteThem) {
    HubAddress parsed;
    for (const char* line : {"\xEF\xBB\xBFhub:3128", "hub: 3128", "hub:3128 ; fast", " hub :3128\r"}) {
        ASSERT_TRUE(ParseHubLine(line, parsed)) << line;
        EXPECT_EQ("hub", parsed.host);
        EXPECT_EQ(3128, parsed.port);
    }
    for (const char* line : {"hub:", " :3128", "hub:fast", "hub:+3128", "hub:70000", "hub 3128"})
        EXPECT_FALSE(ParseHubLine(line, parsed)) << line;
}

TEST_F(ProxyRows, AHubThatFailsIsGivenUpAndTheNextLineIsTried) {
    RecordingOrigin second(HttpResponse("text/plain", "from the second hub"));
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    // The first hub answers the selection at start-up, then goes away.
    std::unique_ptr<RecordingOrigin> first(new RecordingOrigin(HttpResponse("text/plain", "first")));
    const unsigned short firstPort = first->port();
    WriteHubList({"127.0.0.1:" + std::to_string(firstPort), "127.0.0.1:" + std::to_string(second.port())});
    BlockingOptions viaHub;
    viaHub.hub = 1;
    Start(viaHub);
    first.reset();

    EXPECT_EQ(0u, Exchange(Get(site.port(), "/x")).find("HTTP/1.0 404 Error connecting to site"));
    EXPECT_EQ(HttpResponse("text/plain", "from the second hub"), Exchange(Get(site.port(), "/y")));
    ASSERT_EQ(1u, second.Requests().size());
    EXPECT_EQ(Get(site.port(), "/y"), second.Requests()[0]);
    std::vector<CEventRecord> events = proxy->Sites().Events();
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ(kEventHubFailed, events[1].type);
    EXPECT_EQ("127.0.0.1:" + std::to_string(firstPort), events[1].before);
    EXPECT_TRUE(site.Requests().empty());
}

TEST_F(ProxyRows, ASiteConnectionIsReusedOnlyForTheSameActualTarget) {
    RecordingOrigin site(HttpResponse("text/plain", "site"));
    BlockingOptions viaHub;
    viaHub.hub = 1;
    Start(BlockingOptions(), {Own("127.0.0.1", viaHub)});
    proxy::Socket client = Connect(proxy->Port());
    SendAll(client.get(), Get(site.port(), "/hubbed"));
    EXPECT_EQ(HttpResponse("text/plain", "from the hub"), ReceiveMessage(client.get()));

    // The same host now goes direct: the hub's socket must not carry it.
    PrivacySettings settings = proxy->Sites().Snapshot();
    settings.sites[0].hub = 0;
    proxy->Sites().Replace(settings);
    SendAll(client.get(), Get(site.port(), "/direct"));
    EXPECT_EQ(HttpResponse("text/plain", "site"), ReceiveMessage(client.get()));
    EXPECT_EQ(1u, hub.Requests().size());
    ASSERT_EQ(1u, site.Requests().size());
    EXPECT_EQ("GET /direct HTTP/1.1\r\n\r\n", site.Requests()[0]);
}

TEST(EventList, KeepsTheNewestEventsUpToItsCap) {
    SiteList list;
    const size_t logged = SiteList::kEventCap + 5;
    for (size_t i = 0; i < logged; ++i)
        list.LogEvent(kEventConnected, "h", "u\r\n" + std::to_string(i), static_cast<int64_t>(i));
    list.LogEvent(kEventTypes, "h", "dropped", 0);
    std::vector<CEventRecord> events = list.Events();
    ASSERT_EQ(SiteList::kEventCap, events.size());
    EXPECT_EQ("u5", events.front().url);
    EXPECT_EQ("u" + std::to_string(logged - 1), events.back().url);
}

// A browser that reads nothing while its site sends far more than the
// sockets hold keeps its connection in a blocking send: Exit still ends
// within the drain time.
TEST_F(ProxyRows, StopWithAConnectionStuckInASendEndsWithinTheDrainTime) {
    proxytest::Origin flood([](SOCKET s) {
        ReceiveMessage(s);
        if (!SendAll(s, "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n")) return;
        const std::string block(64 * 1024, 'x');
        for (int i = 0; i < 1024 && SendAll(s, block); ++i) {
        }
    });
    Start(BlockingOptions());
    proxy::Socket client = Connect(proxy->Port());
    ASSERT_TRUE(SendAll(client.get(), Get(flood.port(), "/big")));
    Sleep(1000);  // the buffers fill up
    const DWORD start = GetTickCount();
    proxy->Stop();
    EXPECT_GT(6500u, GetTickCount() - start);
}

// After the hub fails, every request that finds no hub asks for a
// selection at once: one selection serves them all, and each of them gets
// the hub it found.
TEST(HubSelection, ConcurrentRequestsAfterAFailureShareOneSelection) {
    std::atomic<int> probes{0};
    std::atomic<bool> firstUp{true};
    HubSelector hubs([] { return std::vector<std::string>{"first:1", "second:2"}; },
                     [&](const HubAddress& hub) {
                         ++probes;
                         Sleep(100);
                         return hub.host == "second" || firstUp;
                     },
                     [] { return true; });
    ASSERT_TRUE(hubs.SelectHub());
    HubAddress first;
    ASSERT_TRUE(hubs.Current(first));
    firstUp = false;
    hubs.MarkFailed(first);

    const int kRequests = 6;
    std::atomic<int> served{0};
    sync::Thread requests[kRequests];
    for (sync::Thread& request : requests) {
        ASSERT_TRUE(request.Start([&] {
            HubAddress hub;
            if (hubs.AvailableHub(hub) && hub.host == "second") ++served;
        }));
    }
    for (sync::Thread& request : requests) ASSERT_TRUE(request.Join(10000));
    EXPECT_EQ(kRequests, served.load());
    EXPECT_EQ(2, probes.load());
}

}  // namespace
}  // namespace privacy
