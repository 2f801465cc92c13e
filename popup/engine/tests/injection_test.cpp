#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/proxy/http_text.h"
#include "common/proxy/response_relay.h"
#include "popup/engine/popup_policy.h"

namespace popup {
namespace {

const std::string kScript = "<script>/*block <head> here*/</script>\n";

TEST(InjectScriptTest, PagesTable) {
    const struct {
        const char* body;
        bool playWave;
        bool injected;
        const char* result;  // without the script in front
    } rows[] = {
        {"<html><head><title>t</title></head></html>", true, true,
         "<html><head><BGSOUND ID='Quiv_beep'><title>t</title></head></html>"},
        {"<HTML><HEAD><TITLE>t</TITLE></HEAD></HTML>", true, true,
         "<HTML><HEAD><BGSOUND ID='Quiv_beep'><TITLE>t</TITLE></HEAD></HTML>"},
        {"<html><head><title>t</title></head></html>", false, true, "<html><head><title>t</title></head></html>"},
        {"<html><body>no head</body></html>", true, true, "<html><body>no head</body></html>"},
        {"<html><head>", true, true, "<html><head>"},
        {"<BODY onload=x()>", true, true, "<BODY onload=x()>"},
        {"text <script>x()</script>", true, true, "text <script>x()</script>"},
        {"<script>x()</script>", true, false, nullptr},
        {"document.write(\"<script>x()</script>\")", true, false, nullptr},
        {"a='<script>'", true, false, nullptr},
        {"plain text", true, false, nullptr},
    };
    for (const auto& row : rows) {
        std::string body = row.body;
        EXPECT_EQ(row.injected, InjectScript(body, kScript, row.playWave)) << row.body;
        EXPECT_EQ(row.injected ? kScript + row.result : std::string(row.body), body) << row.body;
    }
    std::string body = "<html></html>";
    EXPECT_FALSE(InjectScript(body, "", true));
    EXPECT_EQ("<html></html>", body);
}

TEST(InjectScriptTest, AnOpeningDoctypeStaysFirstSoTheBrowserKeepsStandardsMode) {
    const struct {
        const char* before;  // what stays in front of the script
        const char* after;
    } rows[] = {
        {"<!DOCTYPE html>", "<html><head></head><body>x</body></html>"},
        {"\xef\xbb\xbf \r\n<!-- built --><!doctype HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">",
         "\n<html><body>x</body></html>"},
        {"", "<html><!DOCTYPE html><body>late doctypes do not count</body></html>"},
        {"", "<!-- never closed <!DOCTYPE html><html><body>"},
        {"", "<!DOCTYPE html <html><body>unclosed declarations do not count</body></html>"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\">",
         "<html><body>x</body></html>"},
        {"<!DOCTYPE html [\n<!ENTITY a \"<b>\">\n] >", "<html><body>&a;</body></html>"},
        {"", "<html><?xml version=\"1.0\"?><!DOCTYPE html><body>late declarations do not count</body></html>"},
    };
    for (const auto& row : rows) {
        std::string body = std::string(row.before) + row.after;
        ASSERT_TRUE(InjectScript(body, kScript, false)) << row.after;
        EXPECT_EQ(std::string(row.before) + kScript + row.after, body);
    }
    // The sound element still goes behind the page's head tag.
    std::string page = "<!DOCTYPE html><html><head></head><body>x</body></html>";
    ASSERT_TRUE(InjectScript(page, kScript, true));
    EXPECT_EQ("<!DOCTYPE html>" + kScript + "<html><head><BGSOUND ID='Quiv_beep'></head><body>x</body></html>", page);
    // A head tag in front of the doctype: the script still stands whole behind it.
    std::string early = "<!--<scr<head>--><!DOCTYPE>";
    ASSERT_TRUE(InjectScript(early, kScript, true));
    EXPECT_EQ("<!--<scr<head><BGSOUND ID='Quiv_beep'>--><!DOCTYPE>" + kScript, early);
}

bool ControlUp() { return false; }
bool ControlDown() { return true; }

std::shared_ptr<const PopupState> State(bool catching, int disabled, const std::string& script = kScript) {
    auto state = std::make_shared<PopupState>();
    state->settings.catching = catching;
    state->settings.disabled = disabled;
    state->settings.playWave = 1;
    state->script = script;
    return state;
}

// One response through the relay with the filter the policy chose.
std::string Relay(PopupPolicy& policy, const std::string& response) {
    std::vector<std::string> lines = {"GET http://a.example/ HTTP/1.1\r\n"};
    proxy::RequestDecision decision = policy.OnRequest(proxy::ParseURL(lines[0]), lines);
    proxy::ResponseRelay relay(8u << 20);
    relay.ExpectResponse("GET", decision.filter);
    std::string out;
    relay.OnServerData(response.data(), response.size(), out);
    relay.Finish(out);
    return out;
}

std::string Response(const std::string& type, const std::string& body, const std::string& extra = "") {
    return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\n" + extra + "Content-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(PolicyInjection, ScriptInFrontSoundAfterHeadAndExactLength) {
    PopupPolicy policy(&ControlUp);
    policy.Publish(State(true, 0));
    const std::string page = "<html><head><title>t</title></head><body>x</body></html>";
    const std::string changed = kScript + "<html><head><BGSOUND ID='Quiv_beep'><title>t</title></head><body>x</body></html>";
    EXPECT_EQ(Response("text/html", changed), Relay(policy, Response("text/html", page)));
    const std::string chunked =
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nTransfer-Encoding: chunked\r\n\r\n" "6\r\n<html>\r\n0\r\n\r\n";
    EXPECT_EQ("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                  std::to_string(kScript.size() + 6) + "\r\n\r\n" + kScript + "<html>",
              Relay(policy, chunked));
}

TEST(PolicyInjection, PagesThatStayUnchanged) {
    const std::string page = "<html><head></head></html>";
    const struct {
        const char* why;
        std::shared_ptr<const PopupState> state;
        PopupPolicy::KeyProbe control;
        std::string response;
    } rows[] = {
        {"catching off", State(false, 0), &ControlUp, Response("text/html", page)},
        {"disabled", State(true, 1), &ControlUp, Response("text/html", page)},
        {"no script", State(true, 0, ""), &ControlUp, Response("text/html", page)},
        {"ctrl held", State(true, 0), &ControlDown, Response("text/html", page)},
        {"content encoding", State(true, 0), &ControlUp, Response("text/html", page, "Content-Encoding: gzip\r\n")},
        {"javascript", State(true, 0), &ControlUp, Response("application/x-javascript", "<html>")},
        {"binary", State(true, 0), &ControlUp, Response("text/html", std::string("<html>\0\0\0", 9))},
        {"image", State(true, 0), &ControlUp, Response("image/png", page)},
    };
    for (const auto& row : rows) {
        PopupPolicy policy(row.control);
        policy.Publish(row.state);
        EXPECT_EQ(row.response, Relay(policy, row.response)) << row.why;
    }
}

TEST(PolicyRequests, GzipOfferRemovedAndGatewayChosen) {
    PopupPolicy policy(&ControlUp);
    policy.Publish(State(true, 0));
    std::vector<std::string> lines = {"GET http://a.example/ HTTP/1.1\r\n", "Accept-Encoding: deflate, GZIP\r\n",
                                      "X-Accept-Encoding: gzip\r\n", "Host: a.example\r\n"};
    proxy::RequestDecision d = policy.OnRequest(proxy::ParseURL(lines[0]), lines);
    EXPECT_EQ((std::vector<std::string>{"GET http://a.example/ HTTP/1.1\r\n", "X-Accept-Encoding: gzip\r\n",
                                        "Host: a.example\r\n"}),
              lines);
    EXPECT_EQ("a.example", d.host);
    EXPECT_EQ(80, d.port);
    EXPECT_FALSE(d.upstreamProxy);

    std::vector<std::string> deflate = {"GET http://a.example/ HTTP/1.1\r\n", "Accept-Encoding: deflate\r\n"};
    policy.OnRequest(proxy::ParseURL(deflate[0]), deflate);
    EXPECT_EQ(2u, deflate.size());

    auto gateway = std::make_shared<PopupState>(*State(true, 1));
    gateway->settings.gatewayEnable = 1;
    gateway->settings.gatewayIP = "10.1.2.3";
    gateway->settings.gatewayPort = 3128;
    policy.Publish(gateway);
    std::vector<std::string> kept = {"GET http://a.example/ HTTP/1.1\r\n", "Accept-Encoding: gzip\r\n"};
    d = policy.OnRequest(proxy::ParseURL(kept[0]), kept);
    EXPECT_EQ(2u, kept.size());
    EXPECT_EQ("10.1.2.3", d.host);
    EXPECT_EQ(3128, d.port);
    EXPECT_TRUE(d.upstreamProxy);
    EXPECT_EQ(nullptr, d.filter);
}

TEST(PolicyRequests, GatewayNamingThisProxyOrNoHostIsRefused) {
    PopupPolicy policy(&ControlUp);
    const struct {
        const char* ip;
        int port;
        bool refused;
    } rows[] = {
        {"127.0.0.1", 8100, true}, {"localhost", 8100, true}, {"VELMORABLINKWARD", 8100, true},
        {"127.5.5.5", 8100, true}, {"", 8100, true},           {"", 3128, true},
        {"127.0.0.1", 8101, false}, {"10.0.0.1", 8100, false},
    };
    for (const auto& row : rows) {
        auto state = std::make_shared<PopupState>(*State(true, 0));
        state->settings.gatewayEnable = 1;
        state->settings.gatewayIP = row.ip;
        state->settings.gatewayPort = row.port;
        state->listenPort = 8100;
        policy.Publish(state);
        std::vector<std::string> lines = {"GET http://a.example/ HTTP/1.1\r\n"};
        proxy::RequestDecision d = policy.OnRequest(proxy::ParseURL(lines[0]), lines);
        EXPECT_EQ(row.refused, d.kind == proxy::RequestDecision::Reply) << row.ip << ":" << row.port;
    }
}

TEST(PolicyRequests, BufferExhaustionLowersTheSizeForLaterConnections) {
    PopupPolicy policy(&ControlUp);
    auto state = std::make_shared<PopupState>();
    state->settings.useDefaultBufferSizes = 0;
    state->settings.bufferSize = 4000;
    policy.Publish(state);
    policy.OnSendBufferExhausted();
    EXPECT_EQ(2976, policy.Relay().bufferSize);
    policy.OnSendBufferExhausted();
    EXPECT_EQ(2048, policy.Relay().bufferSize);
    EXPECT_EQ(4000, state->settings.bufferSize);
    // A switch, Apply or Cancel publishes the settings as they were: the
    // lowered size stays.
    policy.Publish(state);
    EXPECT_EQ(2048, policy.Current()->settings.bufferSize);
    auto smaller = std::make_shared<PopupState>(*state);
    smaller->settings.bufferSize = 1500;
    policy.Publish(smaller);
    EXPECT_EQ(1500, policy.Relay().bufferSize);
}

}  // namespace
}  // namespace popup
