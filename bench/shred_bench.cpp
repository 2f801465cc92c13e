// Shredding throughput under Wine: one 256 MB file overwritten with one
// pass and deleted by the shredder's engine, against the host's dd writing
// the same amount in 64 KB synchronous blocks and shred overwriting and
// removing a file of that size, all in one folder on one disk.
// Usage: shred_bench.exe [folder] [megabytes]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ui/message_prompt.h"
#include "shredder/algorithms/algorithm.h"
#include "shredder/engine/pumping_observer.h"
#include "shredder/engine/shred_engine.h"

namespace {

using namespace shredder;

class PrintPrompt : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        std::printf("message: %s\n", text.c_str());
        return IDOK;
    }
};

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool MakeFile(const std::string& path, unsigned megabytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<char> block(1 << 20, 'd');
    bool ok = true;
    for (unsigned i = 0; i < megabytes && ok; ++i) {
        DWORD written = 0;
        ok = WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
             written == block.size();
    }
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    return ok;
}

// The host's programs, reached through Wine's own spawn call.
using UnixSpawn = LONG(CDECL*)(char* const argv[], int wait);
using UnixName = char*(CDECL*)(LPCWSTR);

std::string UnixPath(const std::string& path) {
    auto name = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!name) return std::string();
    std::wstring wide(path.begin(), path.end());
    char* unix = name(wide.c_str());
    std::string result = unix ? unix : "";
    if (unix) HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

double TimeHost(std::vector<std::string> args) {
    auto spawn = reinterpret_cast<UnixSpawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (!spawn) return -1;
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    const double start = Seconds();
    if (spawn(argv.data(), 1) != 0) return -1;
    return Seconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "C:\\velmora-tests\\shred-bench";
    const unsigned megabytes = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 256;
    CreateDirectoryA("C:\\velmora-tests", nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string target = folder + "\\bench.bin";
    const std::string unixTarget = UnixPath(target);
    if (unixTarget.empty()) {
        std::printf("not under Wine: the host's dd and shred cannot be reached\n");
        return 1;
    }

    AlgorithmTable algorithms;
    AddBuiltInAlgorithms(algorithms);
    PassBuffer buffer;
    PumpingObserver observer;
    PrintPrompt prompt;
    ShredLog log(folder);
    Messenger messenger(prompt, log);
    ShredderTexts texts;
    ShredderSettings settings;
    RuntimeRandom random;
    ShredEngine engine(algorithms, buffer, observer, messenger, texts, settings, random);
    RunSwitches switches;
    switches.silent = true;
    switches.algorithm = 0;  // one pass
    engine.SetSwitches(switches);

    if (!MakeFile(target, megabytes)) {
        std::printf("cannot create %s\n", target.c_str());
        return 1;
    }
    double start = Seconds();
    const int result = engine.ShredFile(target, kModeOrdinary);
    const double shredFile = Seconds() - start;
    if (result != kGoOn || GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        std::printf("ShredFile did not shred the file\n");
        return 1;
    }

    const double dd = TimeHost({"dd", "if=/dev/zero", "of=" + unixTarget, "bs=64K",
                                "count=" + std::to_string(megabytes * 16), "oflag=dsync", "status=none"});
    DeleteFileA(target.c_str());
    MakeFile(target, megabytes);
    const double shred = TimeHost({"shred", "-n1", "-u", unixTarget});
    DeleteFileA(target.c_str());
    RemoveDirectoryA(folder.c_str());
    if (dd <= 0 || shred <= 0) {
        std::printf("the host's dd or shred did not run\n");
        return 1;
    }

    const double mb = megabytes;
    std::printf("%u MB, one pass, 64 KB blocks written through\n", megabytes);
    std::printf("ShredFile          %8.1f MB/s  (%.2f s)\n", mb / shredFile, shredFile);
    std::printf("dd oflag=dsync     %8.1f MB/s  (%.2f s)\n", mb / dd, dd);
    std::printf("shred -n1 -u       %8.1f MB/s  (%.2f s)\n", mb / shred, shred);
    std::printf("ShredFile / dd     %8.2f\n", dd / shredFile);
    std::printf("ShredFile / shred  %8.2f\n", shred / shredFile);
    return 0;
}
