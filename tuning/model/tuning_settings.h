#pragma once
// What the wizard holds for one run: per setting the value the apply
// writes, the recommended one, and the one found in the system with a flag
// saying whether it was there at all.
namespace tuning {

// Decided once at start-up; every registry path and the page flow follow it.
enum class Family { Win9x = 0, NT = 1 };

// The first page's choice, with the numbers the program stores.
enum class ConnectionType { DialUp = 0, DSL = 1, LAN = 2, CableModem = 3 };

struct Setting {
    int chosen = 0;
    int recommended = 0;
    int prior = 0;
    bool present = false;  // the value existed when the system was read

    // The chosen and recommended value at once, as a default is set.
    void Recommend(int value) { chosen = recommended = value; }
};

struct TuningSettings {
    ConnectionType connection = ConnectionType::DialUp;
    Setting pathMtuDiscovery;
    Setting blackHoleDetection;
    Setting icmpRedirects;
    Setting mtu;
    Setting mss;
    Setting rwin;
    int multiplier = 0;  // the receive window's MSS multiplier on its page
    Setting ttl;
    Setting keepAliveTime;
    Setting keepAliveInterval;
    Setting synProtect;
    Setting http10Connections;
    Setting http11Connections;
};

}  // namespace tuning
