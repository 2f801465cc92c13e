#pragma once
// Connection threads that have finished their connection wait a while for
// the next accepted socket instead of ending: starting a thread costs far
// more than handing a socket to one that already runs, and browsers open
// connections in bursts. At most `capacity` threads wait at a time; the
// accept thread starts a new one whenever none is waiting.
#include <windows.h>

#include <deque>

#include "common/proxy/socket.h"
#include "platform/sync/sync.h"

namespace proxy {

class ConnectionHandOff {
public:
    explicit ConnectionHandOff(long capacity);
    ConnectionHandOff(const ConnectionHandOff&) = delete;
    ConnectionHandOff& operator=(const ConnectionHandOff&) = delete;

    // Gives the socket to a waiting thread; false (and the socket still
    // the caller's) when none waits or the hand-off is closed.
    bool Give(Socket& socket);
    // Called by a thread whose connection ended: waits up to `milliseconds`
    // for a socket. False when none came, when the hand-off closed, or when
    // enough threads wait already; the thread should then end.
    bool Take(Socket& socket, DWORD milliseconds);
    // Wakes every waiting thread; sockets given before still reach one.
    void Close();

private:
    const long capacity_;
    sync::CriticalSection lock_;
    sync::Semaphore ready_;
    std::deque<Socket> given_;  // handed over, not yet taken
    long waiting_ = 0;          // waiting threads no socket is meant for yet
    bool closed_ = false;
};

}  // namespace proxy
