#include "common/proxy/connection_hand_off.h"

namespace proxy {

// Every thread inside Take is either counted in `waiting_` or has a socket
// in `given_` meant for it, so a given socket is never left without a
// thread to take it, whatever order wake-ups and time-outs come in.

ConnectionHandOff::ConnectionHandOff(long capacity) : capacity_(capacity) {}

bool ConnectionHandOff::Give(Socket& socket) {
    {
        sync::Lock hold(lock_);
        if (closed_ || waiting_ == 0) return false;
        --waiting_;
        given_.push_back(std::move(socket));
    }
    ready_.Release();
    return true;
}

bool ConnectionHandOff::Take(Socket& socket, DWORD milliseconds) {
    {
        sync::Lock hold(lock_);
        // Without a semaphore a waiter could only spin.
        if (closed_ || !ready_.Handle() || waiting_ + static_cast<long>(given_.size()) >= capacity_) return false;
        ++waiting_;
    }
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        const bool signalled = spent < milliseconds && ready_.Wait(milliseconds - spent);
        sync::Lock hold(lock_);
        if (!given_.empty()) {
            socket = std::move(given_.front());
            given_.pop_front();
            return true;
        }
        if (closed_ || !signalled) {
            --waiting_;
            return false;
        }
        // A count left by a socket another waiter took first: wait on.
    }
}

void ConnectionHandOff::Close() {
    long wake;
    {
        sync::Lock hold(lock_);
        closed_ = true;
        wake = waiting_ + static_cast<long>(given_.size());
    }
    ready_.Release(wake);
}

}  // namespace proxy
