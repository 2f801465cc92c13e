// Measures the popup blocker's proxy against a direct connection to the
// same loopback origin, in one run: a 10 MB binary stream, a 100 KB page
// with injection under 16 concurrent clients, and the memory that 200 idle
// keep-alive connections cost; and the privacy proxy's path, pages through
// it and an anonymous hub against the same pages direct and through the hub
// alone. Prints the figures and their ratios.
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "common/proxy/http_text.h"
#include "common/proxy/tests/loopback.h"
#include "popup/engine/popup_engine.h"
#include "privacy/core/privacy_proxy.h"

namespace {

const size_t kBigSize = 10u << 20;
const size_t kPageSize = 100u << 10;
const int kPageClients = 16;
const DWORD kPageMilliseconds = 2000;
const int kIdleConnections = 200;
const int kStreamRounds = 10;
// Direct and proxied runs alternate this often; the medians are compared.
const int kTrials = 5;

std::string g_big;
std::string g_page;

// One request head from `s` (the bench sends no bodies); "" on close.
std::string ReadRequest(SOCKET s, std::string& pending) {
    char block[4096];
    size_t end;
    while ((end = proxy::FindHeadEnd(pending)) == std::string::npos) {
        int n = recv(s, block, sizeof block, 0);
        if (n <= 0) return std::string();
        pending.append(block, n);
    }
    std::string head = pending.substr(0, end);
    pending.erase(0, end);
    return head;
}

// One whole response with a Content-Length; its body size, -1 on failure.
long long ReadResponse(SOCKET s) {
    std::string data;
    std::vector<char> block(256 * 1024);
    size_t end;
    while ((end = proxy::FindHeadEnd(data)) == std::string::npos) {
        int n = recv(s, block.data(), static_cast<int>(block.size()), 0);
        if (n <= 0) return -1;
        data.append(block.data(), n);
    }
    std::vector<std::string> lines;
    proxy::ParseHeaders(data, lines);
    unsigned long long length = 0;
    bool valid = false;
    if (!proxy::ReadContentLength(lines, length, valid) || !valid) return -1;
    unsigned long long got = data.size();
    while (got < length) {
        int n = recv(s, block.data(), static_cast<int>(std::min<unsigned long long>(block.size(), length - got)), 0);
        if (n <= 0) return -1;
        got += static_cast<unsigned>(n);
    }
    return static_cast<long long>(length);
}

void ServeOrigin(SOCKET s) {
    std::string pending;
    for (std::string head; !(head = ReadRequest(s, pending)).empty();) {
        bool big = head.find(" /big ") != std::string::npos;
        bool html = head.find(" /page ") != std::string::npos;
        const std::string& body = big ? g_big : html ? g_page : std::string();
        std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: " +
                            std::string(big ? "application/octet-stream" : "text/html") +
                            "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n";
        if (!proxytest::SendAll(s, reply) || !proxytest::SendAll(s, body)) return;
    }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

double Now() {
    LARGE_INTEGER zero = {}, now;
    QueryPerformanceCounter(&now);
    return Seconds(zero, now);
}

// Client side of one path: `via` is where the client connects.
struct Route {
    unsigned short via;
    std::string prefix;  // "" direct, "http://127.0.0.1:<origin>" through the proxy
};

std::string Request(const Route& route, const char* path) {
    return "GET " + route.prefix + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

double StreamMegabytesPerSecond(const Route& route) {
    proxy::Socket s = proxytest::Connect(route.via);
    // The first transfer sets up the connections and touches the memory.
    proxytest::SendAll(s.get(), Request(route, "/big"));
    if (ReadResponse(s.get()) != static_cast<long long>(kBigSize)) return 0;
    double start = Now();
    for (int i = 0; i < kStreamRounds; ++i) {
        proxytest::SendAll(s.get(), Request(route, "/big"));
        if (ReadResponse(s.get()) != static_cast<long long>(kBigSize)) return 0;
    }
    return kStreamRounds * (kBigSize / 1048576.0) / (Now() - start);
}

struct PageFigures {
    double perSecond = 0;
    double p50 = 0;
    double p99 = 0;
    int failures = 0;
};

PageFigures Pages(const Route& route) {
    std::vector<std::vector<double>> latencies(kPageClients);
    std::atomic<int> failures{0};
    std::atomic<int> ready{0};
    std::atomic<bool> go{false};
    double start = 0, stop = 0;
    std::vector<std::thread> clients;
    for (int c = 0; c < kPageClients; ++c) {
        clients.emplace_back([&, c] {
            // Connected and served once before the clock starts.
            proxy::Socket s = proxytest::Connect(route.via);
            proxytest::SendAll(s.get(), Request(route, "/page"));
            bool warm = ReadResponse(s.get()) >= static_cast<long long>(kPageSize);
            ++ready;
            while (!go) Sleep(1);
            if (!warm) {
                ++failures;
                return;
            }
            while (Now() < stop) {
                double begin = Now();
                proxytest::SendAll(s.get(), Request(route, "/page"));
                if (ReadResponse(s.get()) < static_cast<long long>(kPageSize)) {
                    ++failures;
                    return;
                }
                latencies[c].push_back(Now() - begin);
            }
        });
    }
    while (ready < kPageClients) Sleep(1);
    start = Now();
    stop = start + kPageMilliseconds / 1000.0;
    go = true;
    for (std::thread& t : clients) t.join();
    double elapsed = Now() - start;
    std::vector<double> all;
    for (const auto& list : latencies) all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    PageFigures f;
    f.failures = failures;
    if (all.empty()) return f;
    f.perSecond = all.size() / elapsed;
    f.p50 = all[all.size() / 2] * 1000;
    f.p99 = all[std::min(all.size() - 1, all.size() * 99 / 100)] * 1000;
    return f;
}

// Committed private memory of the process, region by region.
SIZE_T PrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

// Private bytes added per idle keep-alive connection after one request each.
double IdleBytesPerConnection(const Route& route) {
    SIZE_T before = PrivateBytes();
    std::vector<proxy::Socket> idle;
    for (int i = 0; i < kIdleConnections; ++i) {
        idle.push_back(proxytest::Connect(route.via));
        proxytest::SendAll(idle.back().get(), Request(route, "/small"));
        ReadResponse(idle.back().get());
    }
    Sleep(300);
    double perConnection = (static_cast<double>(PrivateBytes()) - before) / kIdleConnections;
    idle.clear();
    Sleep(500);
    return perConnection;
}

bool WriteText(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    std::fwrite(text.data(), 1, text.size(), f);
    return std::fclose(f) == 0;
}

template <typename Figure>
Figure Median(std::vector<Figure> runs, double Figure::*by) {
    std::sort(runs.begin(), runs.end(), [by](const Figure& x, const Figure& y) { return x.*by < y.*by; });
    return runs[runs.size() / 2];
}

struct StreamFigure {
    double megabytesPerSecond;
};

void CompareStreams(const Route& direct, const Route& proxied) {
    std::vector<StreamFigure> directRuns, proxyRuns;
    for (int i = 0; i < kTrials; ++i) {
        directRuns.push_back({StreamMegabytesPerSecond(direct)});
        proxyRuns.push_back({StreamMegabytesPerSecond(proxied)});
    }
    double d = Median(directRuns, &StreamFigure::megabytesPerSecond).megabytesPerSecond;
    double p = Median(proxyRuns, &StreamFigure::megabytesPerSecond).megabytesPerSecond;
    std::printf("10 MB binary stream: direct %.1f MB/s, proxy %.1f MB/s, ratio %.2f (target >= 0.80)\n", d, p,
                d > 0 ? p / d : 0);
}

void ComparePages(const Route& direct, const Route& proxied) {
    std::vector<PageFigures> directRuns, proxyRuns;
    for (int i = 0; i < kTrials; ++i) {
        directRuns.push_back(Pages(direct));
        proxyRuns.push_back(Pages(proxied));
    }
    int failures = 0;
    for (int i = 0; i < kTrials; ++i) failures += directRuns[i].failures + proxyRuns[i].failures;
    PageFigures d = Median(directRuns, &PageFigures::perSecond);
    PageFigures p = Median(proxyRuns, &PageFigures::perSecond);
    std::printf("100 KB page, %d clients: direct %.0f req/s (p50 %.2f ms, p99 %.2f ms), "
                "proxy with injection %.0f req/s (p50 %.2f ms, p99 %.2f ms), ratio %.2f (target >= 0.50)%s\n",
                kPageClients, d.perSecond, d.p50, d.p99, p.perSecond, p.p50, p.p99,
                d.perSecond > 0 ? p.perSecond / d.perSecond : 0, failures ? " [failed requests]" : "");
}

void CompareIdle(const Route& direct, const Route& proxied) {
    double directIdle = IdleBytesPerConnection(direct);
    double proxyIdle = IdleBytesPerConnection(proxied);
    std::printf("%d idle keep-alive connections: %.1f KB each through the proxy "
                "(%.1f KB, less %.1f KB for the origin's own side)\n",
                kIdleConnections, (proxyIdle - directIdle) / 1024, proxyIdle / 1024, directIdle / 1024);
}

// The hub of the privacy path: a plain proxy that forwards every request.
class HubPolicy : public proxy::ProxyPolicy {
public:
    proxy::RelaySettings Relay() const override { return proxy::RelaySettings(); }
    proxy::RequestDecision OnRequest(const proxy::RequestLine& request, std::vector<std::string>&) override {
        proxy::RequestDecision decision;
        decision.host = request.host;
        decision.port = request.port;
        return decision;
    }
};

bool ControlUp() { return false; }

// Pages direct, through the hub alone and through the privacy proxy with
// that hub (popup script on), in one run.
void ComparePrivacyPages(unsigned short originPort) {
    proxy::CProxyListener hub(std::make_shared<HubPolicy>());
    if (!hub.Start(0, SOMAXCONN)) {
        std::printf("the hub did not start\n");
        return;
    }
    const std::string folder = "C:\\velmora-bench-privacy";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\Block").c_str(), nullptr);
    WriteText(folder + "\\Block\\AnonPS.txt", "127.0.0.1:" + std::to_string(hub.Port()) + "\r\n");
    DeleteFileA((folder + "\\Options.opt").c_str());
    privacy::CorbeltProbes probes;
    probes.online = [] { return true; };
    probes.controlHeld = &ControlUp;
    privacy::CorbeltProxy privacyProxy(privacy::ProgramFiles(folder), probes);
    privacyProxy.Load();
    privacy::PrivacySettings settings = privacyProxy.Sites().Snapshot();
    settings.defaults.hub = settings.defaults.popups = 1;
    privacyProxy.Sites().Replace(settings);
    if (!privacyProxy.Start(0)) {
        std::printf("the privacy proxy did not start: %s\n", privacyProxy.LastError().c_str());
        return;
    }
    const std::string prefix = "http://127.0.0.1:" + std::to_string(originPort);
    Route direct{originPort, ""};
    Route hubAlone{hub.Port(), prefix};
    Route privacyPath{privacyProxy.Port(), prefix};
    std::vector<PageFigures> directRuns, hubRuns, privacyRuns;
    for (int i = 0; i < kTrials; ++i) {
        directRuns.push_back(Pages(direct));
        hubRuns.push_back(Pages(hubAlone));
        privacyRuns.push_back(Pages(privacyPath));
    }
    int failures = 0;
    for (int i = 0; i < kTrials; ++i) failures += directRuns[i].failures + hubRuns[i].failures + privacyRuns[i].failures;
    PageFigures d = Median(directRuns, &PageFigures::perSecond);
    PageFigures h = Median(hubRuns, &PageFigures::perSecond);
    PageFigures p = Median(privacyRuns, &PageFigures::perSecond);
    std::printf("privacy path, 100 KB page, %d clients: direct %.0f req/s (p50 %.2f ms, p99 %.2f ms), "
                "hub alone %.0f req/s (p50 %.2f ms, p99 %.2f ms), privacy proxy with hub and popup script "
                "%.0f req/s (p50 %.2f ms, p99 %.2f ms), ratio to the hub alone %.2f%s\n",
                kPageClients, d.perSecond, d.p50, d.p99, h.perSecond, h.p50, h.p99, p.perSecond, p.p50,
                p.p99, h.perSecond > 0 ? p.perSecond / h.perSecond : 0, failures ? " [failed requests]" : "");
    privacyProxy.Stop();
}

bool Wanted(int argc, char** argv, const char* section) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], section) == 0) return true;
    }
    return false;
}

}  // namespace

// Arguments name the sections to run (stream, pages, idle, privacy); none
// runs all.
int main(int argc, char** argv) {
    for (size_t i = 0; i < kBigSize; ++i) g_big += static_cast<char>(i * 131 + (i >> 9));
    g_page = "<html><head><title>bench</title></head><body>";
    while (g_page.size() < kPageSize - 20) g_page += "<p>some paragraph text</p>\n";
    g_page.resize(kPageSize - 14, '.');
    g_page += "</body></html>";

    const std::string folder = "C:\\velmora-bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteText(folder + "QXINI.ini", "[VelmoraBlinkward]\r\nPopupPort=0\r\n");
    WriteText(folder + "QXBlk.js", "<script>/* blocking script */%s</script>\n");

    proxytest::Origin origin(&ServeOrigin);
    popup::PopupEngine engine(folder, &popup::ControlKeyDown);
    engine.Load();
    if (!engine.Start()) {
        std::printf("the proxy did not start\n");
        return 1;
    }
    std::printf("relay buffer: the listener's default socket buffer sizes\n");
    Route direct{origin.port(), ""};
    Route proxied{engine.Port(), "http://127.0.0.1:" + std::to_string(origin.port())};
    if (Wanted(argc, argv, "stream")) CompareStreams(direct, proxied);
    if (Wanted(argc, argv, "pages")) ComparePages(direct, proxied);
    if (Wanted(argc, argv, "idle")) CompareIdle(direct, proxied);
    if (Wanted(argc, argv, "privacy")) ComparePrivacyPages(origin.port());
    engine.Stop();
    return 0;
}
