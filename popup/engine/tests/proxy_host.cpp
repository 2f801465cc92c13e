// Runs the popup blocker's proxy alone for a test driven from outside Wine:
// proxy_host <port> <seconds>. Its folder is C:\velmora-e2e; it prints
// "READY <port>" once listening and ends after <seconds> or as soon as the
// file "stop" appears in its folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "popup/engine/popup_engine.h"

namespace {

bool WriteFile(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: proxy_host <port> <seconds>\n");
        return 2;
    }
    const std::string folder = "C:\\velmora-e2e\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + "stop").c_str());
    if (!WriteFile(folder + "QXINI.ini", "[VelmoraBlinkward]\r\nPopupPort=" + std::string(argv[1]) +
                                             "\r\nPlayWave=1\r\n") ||
        !WriteFile(folder + "QXBlk.js", "<script>/*velmora-e2e*/%s</script>\n")) {
        std::fprintf(stderr, "cannot write %s\n", folder.c_str());
        return 1;
    }
    popup::PopupEngine engine(folder, &popup::ControlKeyDown);
    engine.SetErrorHook([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    engine.Load();
    if (!engine.Start()) return 1;
    std::printf("READY %u\n", engine.Port());
    std::fflush(stdout);
    const long seconds = std::atol(argv[2]);
    for (long tick = 0; tick < seconds * 10; ++tick) {
        if (GetFileAttributesA((folder + "stop").c_str()) != INVALID_FILE_ATTRIBUTES) break;
        Sleep(100);
    }
    engine.Stop();
    return 0;
}
