// The listener's bind rule: a port is listened on by one socket only, and a
// port given up is taken again at once.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/proxy/http_text.h"
#include "common/proxy/proxy_listener.h"
#include "common/proxy/tests/loopback.h"

namespace proxy {
namespace {

using proxytest::Connect;
using proxytest::ReceiveAll;
using proxytest::SendAll;

class DirectPolicy : public ProxyPolicy {
public:
    RelaySettings Relay() const override { return RelaySettings(); }
    RequestDecision OnRequest(const RequestLine& request, std::vector<std::string>&) override {
        RequestDecision decision;
        decision.host = request.host;
        decision.port = request.port;
        return decision;
    }
};

// The popup blocker and the privacy proxy both listen on 127.0.0.1:8100:
// the second one must not share the port with the first, which would then
// no longer see every request meant for it.
TEST(Listener, ATakenPortIsRefusedAndAPortGivenUpIsTakenAgainAtOnce) {
    auto policy = std::make_shared<DirectPolicy>();
    auto first = std::make_unique<CProxyListener>(policy);
    ASSERT_EQ(1, first->Start(0, 5)) << first->LastError();
    const unsigned short port = first->Port();
    CProxyListener second(policy);
    EXPECT_EQ(0, second.Start(port, 5));
    EXPECT_TRUE(second.SocketFailed());
    EXPECT_FALSE(second.LastError().empty());

    // A request the proxy answers by closing first, so its side of the
    // connection lingers after it; the port must still be free for a
    // restart.
    Socket client = Connect(port);
    ASSERT_TRUE(SendAll(client.get(), "GET / HTTP/1.0\r\n\r\n"));
    EXPECT_EQ(kBadRequestReply, ReceiveAll(client.get()));
    client.Close();
    first.reset();
    EXPECT_EQ(1, second.Start(port, 5)) << second.LastError();
    EXPECT_FALSE(second.SocketFailed());
}

}  // namespace
}  // namespace proxy
