#pragma once
// The anonymous hub: an upstream proxy chosen round-robin from the lines
// "host:port" of the hub list file, tested by connecting to it. Connection
// threads and the user-interface thread share it: its fields are read and
// written under a lock, and selections never overlap.
#include <functional>
#include <string>
#include <vector>

#include "platform/sync/sync.h"

namespace privacy {

extern const char kHubListFile[];  // "Block\AnonPS.txt", below the program folder

struct HubAddress {
    std::string host;
    int port = 0;
};

// Splits "host:port" at its last ":"; blanks around host and port and a
// byte-order mark in front do not count, and the port is the decimal value
// of the digits after the ":" ("hub:3128 ; fast" is port 3128). False for a
// line without ":", an empty host, or a port that is no number in 1-65535.
bool ParseHubLine(const std::string& line, HubAddress& hub);

class HubSelector {
public:
    // Reads the hub list's lines (empty when it cannot be read).
    using ListReader = std::function<std::vector<std::string>()>;
    // True when a connection to the hub succeeds (and is closed again).
    using Prober = std::function<bool(const HubAddress&)>;
    // False when the system reports no internet connection.
    using OnlineCheck = std::function<bool()>;

    HubSelector(ListReader list, Prober probe, OnlineCheck online);

    // Tries the list's lines from the cursor on, wrapping, at most once
    // each; the first that answers becomes the hub and the cursor moves
    // behind it. True when a hub was found. The hub in use stays available
    // until a new one is stored (or none answered). A call made while
    // another selection runs waits for it and answers with its result.
    bool SelectHub();
    // The hub when one is available.
    bool Current(HubAddress& hub) const;
    // A request's hub: the one available, else the result of a selection
    // (the one running, or a new one). False when none answered.
    bool AvailableHub(HubAddress& hub);
    // `failed` could not be reached: when it is still the hub, none is
    // available until the next selection.
    void MarkFailed(const HubAddress& failed);

private:
    // A selection, unless one ended since `seen` selections had ended:
    // its result then answers.
    bool SelectAfter(size_t seen);
    // The probing of one selection, from line `start`; true when a hub was stored.
    bool RunSelection(size_t start);

    ListReader list_;
    Prober probe_;
    OnlineCheck online_;
    sync::CriticalSection selecting_;  // one selection at a time
    mutable sync::CriticalSection lock_;
    HubAddress hub_;
    bool available_ = false;
    size_t cursor_ = 0;
    size_t selections_ = 0;  // selections ended so far
};

}  // namespace privacy
