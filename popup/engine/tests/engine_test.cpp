// The popup blocker's proxy on loopback sockets, started from its settings
// file as the program starts it.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/proxy/tests/loopback.h"
#include "platform/testkit/scratch.h"
#include "popup/engine/popup_engine.h"

namespace popup {
namespace {

using proxytest::Connect;
using proxytest::HttpResponse;
using proxytest::Origin;
using proxytest::RecordingOrigin;
using proxytest::ReceiveAll;
using proxytest::ReceiveMessage;
using proxytest::SendAll;

bool ControlUp() { return false; }

const std::string kPage = "<html><head><title>t</title></head><body>hello</body></html>";
const std::string kScript =
    "<script>if( Quiv_beep ) Quiv_beep.src=\"C:/velmora-tests/popup-engine/PopUp.wav\";</script>\n";
const std::string kInjectedPage =
    kScript + "<html><head><BGSOUND ID='Quiv_beep'><title>t</title></head><body>hello</body></html>";

class EngineOnLoopback : public ::testing::Test {
protected:
    EngineOnLoopback() : dir("popup-engine"), engine(dir.path() + "\\", &ControlUp) {}
    void SetUp() override {
        dir.write("QXINI.ini", "[VelmoraBlinkward]\r\nPopupPort=0\r\nPlayWave=1\r\n");
        dir.write("QXBlk.js", "<script>%s</script>\n");
        engine.Load();
        ASSERT_EQ(1, engine.Start());
        ASSERT_NE(0, engine.Port());
    }
    std::string Get(unsigned short port, const std::string& extra = "") {
        proxy::Socket client = Connect(engine.Port());
        SendAll(client.get(), "GET http://127.0.0.1:" + std::to_string(port) + "/p HTTP/1.1\r\n" + extra + "\r\n");
        return ReceiveMessage(client.get());
    }
    testkit::ScratchDir dir;
    PopupEngine engine;
};

TEST_F(EngineOnLoopback, PagesGetTheScriptAndTheSoundWithTheirNewLength) {
    RecordingOrigin origin(HttpResponse("text/html", kPage));
    EXPECT_EQ(HttpResponse("text/html", kInjectedPage),
              Get(origin.port(), "Accept-Encoding: gzip, deflate\r\nAccept: */*\r\n"));
    ASSERT_EQ(1u, origin.Requests().size());
    EXPECT_EQ("GET /p HTTP/1.1\r\nAccept: */*\r\n\r\n", origin.Requests()[0]);
}

// XML never gets the script; pages keep a leading XML declaration and
// doctype in front of it, and the sound element never splits it.
TEST_F(EngineOnLoopback, XmlPassesUnchangedAndTheScriptStaysInFrontOfPages) {
    const std::string xhtmlHead = "<?xml version=\"1.0\"?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0//EN\">";
    const struct {
        const char* type;
        std::string sent;
        std::string received;
    } rows[] = {
        {"text/xml; charset=utf-8", "<body rid='1' xmlns='http://jabber.org/protocol/httpbind'><html>x</html></body>",
         "<body rid='1' xmlns='http://jabber.org/protocol/httpbind'><html>x</html></body>"},
        {"application/xhtml+xml", xhtmlHead + kPage, xhtmlHead + kPage},
        {"text/html", xhtmlHead + kPage,
         xhtmlHead + kInjectedPage},
        {"text/html", "<!--<scr<head>--><!DOCTYPE>", "<!--<scr<head><BGSOUND ID='Quiv_beep'>--><!DOCTYPE>" + kScript},
    };
    for (const auto& row : rows) {
        RecordingOrigin origin(HttpResponse(row.type, row.sent));
        EXPECT_EQ(HttpResponse(row.type, row.received), Get(origin.port())) << row.type << " " << row.sent;
    }
}

// A site that sends its length twice: the page with the script in front
// carries one length; lengths that disagree get the 502, and the site's
// connection ends.
TEST_F(EngineOnLoopback, ThePageHeadCarriesOneLength) {
    const std::string again = "Content-Length: " + std::to_string(kPage.size()) + "\r\n";
    RecordingOrigin same(HttpResponse("text/html", kPage, again));
    EXPECT_EQ(HttpResponse("text/html", kInjectedPage), Get(same.port()));
    std::atomic<bool> siteEnded{false};
    {
        Origin differ([&siteEnded](SOCKET s) {
            if (!ReceiveMessage(s).empty()) SendAll(s, HttpResponse("text/html", kPage, "Content-Length: 5\r\n"));
            siteEnded = proxytest::PeerClosed(s);
        });
        EXPECT_EQ(proxy::kBadResponseReply, Get(differ.port()));
    }  // the origin waits for its connection's end
    EXPECT_TRUE(siteEnded);
}

TEST_F(EngineOnLoopback, ApplyTakesEffectForTheNextRequestAndIsSaved) {
    RecordingOrigin origin(HttpResponse("text/html", kPage));
    EngineSettings settings = engine.Settings();
    settings.playWave = 0;
    ASSERT_TRUE(engine.Apply(settings));
    EXPECT_EQ(HttpResponse("text/html", "<script>  </script>\n" + kPage), Get(origin.port()));
    settings.catching = false;
    ASSERT_TRUE(engine.Apply(settings));
    EXPECT_EQ(HttpResponse("text/html", kPage), Get(origin.port()));
    EXPECT_NE(std::string::npos, dir.read("QXINI.ini").find("PopupCheckDisabled=1"));
    engine.Load();
    EXPECT_FALSE(engine.Settings().catching);
}

TEST_F(EngineOnLoopback, GatewayGetsTheAbsoluteUrlAndTheConnect) {
    RecordingOrigin gateway(HttpResponse("text/plain", "via gateway"));
    EngineSettings settings = engine.Settings();
    settings.gatewayEnable = 1;
    settings.gatewayIP = "127.0.0.1";
    settings.gatewayPort = gateway.port();
    ASSERT_TRUE(engine.Apply(settings));
    proxy::Socket client = Connect(engine.Port());
    SendAll(client.get(), "GET http://far.example/x?y=1 HTTP/1.1\r\nHost: far.example\r\n\r\n");
    EXPECT_EQ(HttpResponse("text/plain", "via gateway"), ReceiveMessage(client.get()));
    proxy::Socket tunnel = Connect(engine.Port());
    SendAll(tunnel.get(), "CONNECT far.example:443 HTTP/1.0\r\n\r\n");
    EXPECT_EQ(HttpResponse("text/plain", "via gateway"), ReceiveMessage(tunnel.get()));
    std::vector<std::string> requests = gateway.Requests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("GET http://far.example/x?y=1 HTTP/1.1\r\nHost: far.example\r\n\r\n", requests[0]);
    EXPECT_EQ("CONNECT far.example:443 HTTP/1.0\r\n\r\n", requests[1]);

    settings.gatewayPort = engine.Port();
    ASSERT_TRUE(engine.Apply(settings));
    proxy::Socket looped = Connect(engine.Port());
    SendAll(looped.get(), "GET http://far.example/ HTTP/1.1\r\n\r\n");
    EXPECT_EQ(proxy::kConnectFailedReply, ReceiveAll(looped.get()));
}

TEST_F(EngineOnLoopback, SettingsSwappedWhileConnectionsRun) {
    RecordingOrigin origin(HttpResponse("text/html", kPage));
    const std::string injected = Get(origin.port());
    ASSERT_NE(std::string::npos, injected.find("BGSOUND"));
    std::atomic<bool> done{false};
    std::thread applier([this, &done] {
        EngineSettings settings = engine.Settings();
        for (int i = 0; !done; ++i) {
            settings.catching = i % 2 == 0;
            engine.Apply(settings);
        }
    });
    const std::string plain = HttpResponse("text/html", kPage);
    int good = 0;
    for (int i = 0; i < 30; ++i) {
        std::string got = Get(origin.port());
        good += got == plain || got == injected;
    }
    done = true;
    applier.join();
    EXPECT_EQ(30, good);
}

TEST_F(EngineOnLoopback, StopEndsEveryConnection) {
    RecordingOrigin origin(HttpResponse("text/html", kPage));
    std::vector<proxy::Socket> clients;
    for (int i = 0; i < 10; ++i) {
        clients.push_back(Connect(engine.Port()));
        SendAll(clients.back().get(), "GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
        ReceiveMessage(clients.back().get());
    }
    EXPECT_EQ(10, engine.LiveConnections());
    engine.Stop();
    EXPECT_EQ(0, engine.LiveConnections());
}

// A connection stuck in a send to a browser that reads nothing may outlive
// the bounded drain of Stop; a second Stop does not wait for it again.
TEST_F(EngineOnLoopback, ASecondStopWaitsNoMore) {
    Origin endless([](SOCKET s) {
        if (ReceiveMessage(s).empty()) return;
        SendAll(s, "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: 1073741824\r\n\r\n");
        while (SendAll(s, std::string(1 << 16, 'b'))) {}
    });
    proxy::Socket client = Connect(engine.Port());
    SendAll(client.get(), "GET http://127.0.0.1:" + std::to_string(endless.port()) + "/ HTTP/1.1\r\n\r\n");
    Sleep(500);
    engine.Stop();
    const DWORD start = GetTickCount();
    engine.Stop();
    EXPECT_LT(GetTickCount() - start, 1000u);
}

TEST(EngineSettingsWrite, FailureReportedOncePerRun) {
    PopupEngine engine("C:\\velmora-tests\\no-such-folder\\below\\", &ControlUp);
    std::vector<std::string> reports;
    engine.SetErrorHook([&reports](const std::string& text) { reports.push_back(text); });
    EXPECT_FALSE(engine.Apply(EngineSettings()));
    EXPECT_FALSE(engine.Apply(EngineSettings()));
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ("Error writing to file:\nC:\\velmora-tests\\no-such-folder\\below\\QXINI.ini", reports[0]);
}

}  // namespace
}  // namespace popup
