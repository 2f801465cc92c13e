// Runs the privacy proxy alone for the test that drives it from outside
// Wine: corbelt_host <port> <seconds> <hub host:port>... Its folder is
// C:\velmora-e2e-privacy, every site goes through the hub, and the hub
// list holds the given lines. Prints "READY <port>" once listening; ends
// after <seconds> or as soon as the file "stop" appears in its folder, and
// then prints every event as "EVENT <type> <host> <before>".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "privacy/core/privacy_proxy.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: corbelt_host <port> <seconds> <hub host:port>...\n");
        return 2;
    }
    const std::string folder = "C:\\velmora-e2e-privacy";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\Block").c_str(), nullptr);
    DeleteFileA((folder + "\\stop").c_str());
    std::string hubs;
    for (int i = 3; i < argc; ++i) hubs += std::string(argv[i]) + "\r\n";
    privacy::PrivacySettings settings;
    settings.defaults.hub = 1;
    if (!WriteFile(folder + "\\Block\\AnonPS.txt", hubs) ||
        !WriteFile(folder + "\\Options.opt", privacy::WriteOptions(settings))) {
        std::fprintf(stderr, "cannot write %s\n", folder.c_str());
        return 1;
    }
    privacy::CorbeltProbes probes;
    // The test's network may have no interface but loopback.
    probes.online = [] { return true; };
    privacy::CorbeltProxy proxy(privacy::ProgramFiles(folder), probes);
    proxy.Load();
    if (!proxy.Start(static_cast<unsigned short>(std::atoi(argv[1])))) {
        std::fprintf(stderr, "%s\n", proxy.LastError().c_str());
        return 1;
    }
    std::printf("READY %u\n", proxy.Port());
    std::fflush(stdout);
    const long seconds = std::atol(argv[2]);
    for (long tick = 0; tick < seconds * 10; ++tick) {
        if (GetFileAttributesA((folder + "\\stop").c_str()) != INVALID_FILE_ATTRIBUTES) break;
        Sleep(100);
    }
    proxy.Stop();
    for (const privacy::CEventRecord& event : proxy.Sites().Events())
        std::printf("EVENT %d %s %s\n", event.type, event.host.c_str(), event.before.c_str());
    std::fflush(stdout);
    return proxy.Save() ? 0 : 1;
}
