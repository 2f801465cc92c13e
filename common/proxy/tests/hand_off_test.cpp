// Handing accepted sockets to connection threads that wait for one.
#include <gtest/gtest.h>

#include <atomic>

#include "common/proxy/connection_hand_off.h"
#include "platform/sync/sync.h"

namespace proxy {
namespace {

class HandOff : public ::testing::Test {
protected:
    static Socket NewSocket() { return Socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)); }
    // A thread that waits in Take for up to `milliseconds`.
    void StartTaker(DWORD milliseconds) {
        ASSERT_TRUE(taker_.Start([this, milliseconds] {
            const DWORD start = GetTickCount();
            took_ = handOff_.Take(taken_, milliseconds);
            waited_ = GetTickCount() - start;
        }));
    }
    // Gives `socket` as soon as a thread waits (false after five seconds).
    bool GiveWhenTaken(Socket& socket) {
        for (int tries = 0; tries < 5000; ++tries) {
            if (handOff_.Give(socket)) return true;
            Sleep(1);
        }
        return false;
    }

    WinsockSession winsock_;
    ConnectionHandOff handOff_{4};
    sync::Thread taker_;
    Socket taken_;
    std::atomic<bool> took_{false};
    std::atomic<DWORD> waited_{0};
};

TEST_F(HandOff, ASocketGoesOnlyToAWaitingThreadAndArrivesWhole) {
    Socket socket = NewSocket();
    const SOCKET handle = socket.get();
    EXPECT_FALSE(handOff_.Give(socket));
    EXPECT_EQ(handle, socket.get()) << "refused, the socket stays the caller's";

    StartTaker(30000);
    ASSERT_TRUE(GiveWhenTaken(socket));
    ASSERT_TRUE(taker_.Join(5000));
    EXPECT_TRUE(took_);
    EXPECT_EQ(handle, taken_.get());
    EXPECT_FALSE(socket.valid());

    Socket next = NewSocket();
    EXPECT_FALSE(handOff_.Give(next)) << "the thread that took one waits no more";
    EXPECT_TRUE(next.valid());
}

TEST_F(HandOff, AWaitEndsEmptyWhenNothingComes) {
    StartTaker(300);
    ASSERT_TRUE(taker_.Join(5000));
    EXPECT_FALSE(took_);
    EXPECT_GE(waited_, 250u);
    Socket socket = NewSocket();
    EXPECT_FALSE(handOff_.Give(socket));
}

TEST_F(HandOff, CloseWakesAWaitingThreadAtOnce) {
    StartTaker(60000);
    Sleep(200);  // the thread is waiting by now (were it not, Close still ends it)
    handOff_.Close();
    ASSERT_TRUE(taker_.Join(5000)) << "a waiting thread sleeps through Close";
    EXPECT_FALSE(took_);
    Socket late = NewSocket();
    EXPECT_FALSE(handOff_.Give(late)) << "nothing is handed over after Close";
    EXPECT_TRUE(late.valid());
}

TEST_F(HandOff, ASocketGivenBeforeCloseStillArrives) {
    StartTaker(60000);
    Socket socket = NewSocket();
    ASSERT_TRUE(GiveWhenTaken(socket));
    handOff_.Close();
    ASSERT_TRUE(taker_.Join(5000));
    EXPECT_TRUE(took_);
    EXPECT_TRUE(taken_.valid());
}

}  // namespace
}  // namespace proxy
