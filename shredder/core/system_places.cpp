#include "shredder/core/system_places.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "common/files/whole_file.h"
#include "common/suite/scourwell.h"
#include "platform/registry/reg_key.h"

namespace shredder {

using namespace suite::scourwell;

namespace {

bool ClassKeyOpens(const char* clsid) {
    CRegKey key;
    return key.Open(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + clsid).c_str(), KEY_READ);
}

std::string SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return std::string();
    char path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListA(list, path) != 0;
    CoTaskMemFree(list);
    return found ? path : std::string();
}

}  // namespace

bool DriveSizes(const std::string& root, unsigned long long& total, unsigned long long& userFree,
                unsigned long long& diskFree) {
    using Ex = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    Ex ex = kernel ? reinterpret_cast<Ex>(reinterpret_cast<void*>(
                         GetProcAddress(kernel, "GetDiskFreeSpaceExA")))
                   : nullptr;
    if (ex) {
        ULARGE_INTEGER caller, all, allFree;
        if (!ex(root.c_str(), &caller, &all, &allFree)) return false;
        total = all.QuadPart;
        userFree = caller.QuadPart;
        diskFree = allFree.QuadPart;
        return true;
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &clusters))
        return false;
    const unsigned long long cluster = 1ULL * sectorsPerCluster * bytesPerSector;
    total = cluster * clusters;
    userFree = diskFree = cluster * freeClusters;
    return true;
}

std::string DriveDisplayName(const std::string& label, char letter) {
    return (label.empty() ? std::string("Local Disk") : label) + " (" + letter + ":)";
}

DriveTable EnumerateDrives() {
    DriveTable table;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const char letter = static_cast<char>('A' + i);
        const std::string root = std::string(1, letter) + ":\\";
        if (GetDriveTypeA(root.c_str()) != DRIVE_FIXED) continue;
        char label[MAX_PATH] = {}, fileSystem[MAX_PATH] = {};
        GetVolumeInformationA(root.c_str(), label, MAX_PATH, nullptr, nullptr, nullptr, fileSystem,
                              MAX_PATH);
        FixedDrive drive;
        drive.letter = letter;
        drive.displayName = DriveDisplayName(label, letter);
        drive.fileSystem = fileSystem;
        unsigned long long total = 0, free = 0, diskFree = 0;
        if (DriveSizes(root, total, free, diskFree)) {
            drive.totalGiB = static_cast<double>(total) / (1ULL << 30);
            drive.freeGiB = static_cast<double>(free) / (1ULL << 30);
        }
        table.slots[i].root = root;
        table.slots[i].ntfs = lstrcmpiA(fileSystem, "NTFS") == 0;
        table.anyNtfs = table.anyNtfs || table.slots[i].ntfs;
        table.fixed.push_back(drive);
    }
    return table;
}

std::vector<std::string> BuildProtectedFolderList() {
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string systemFolder = system;
    return {windows,
            systemFolder,
            SpecialFolder(CSIDL_FONTS),
            SpecialFolder(CSIDL_STARTMENU),
            SpecialFolder(CSIDL_PROGRAMS),
            SpecialFolder(CSIDL_DESKTOPDIRECTORY),
            systemFolder + "\\IOSUBSYS",
            systemFolder + "\\VMM32"};
}

bool CheckSchedulerLibrary(const std::string& systemFolder) {
    return ClassKeyOpens(kScheduleClsid) &&
           files::FileExists(systemFolder + "\\" + kSchedulerLibraryFile);
}

bool CheckContextMenuLibrary(const std::string& appPath) {
    return ClassKeyOpens(kMenuHandlerClsid) &&
           files::FileExists(appPath + "\\" + kMenuLibraryFile);
}

bool CheckRecycleBinSupport() {
    HMODULE shell = LoadLibraryA("SHELL32.DLL");
    if (!shell) return false;
    bool supported = false;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")));
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof version;
    if (getVersion && SUCCEEDED(getVersion(&version))) {
        const bool recent = version.dwMajorVersion > 4 ||
                            (version.dwMajorVersion == 4 && version.dwMinorVersion > 70);
        supported = recent && GetProcAddress(shell, "SHQueryRecycleBinA") &&
                    GetProcAddress(shell, "SHEmptyRecycleBinA");
    }
    FreeLibrary(shell);
    return supported;
}

bool RegisterRecycleBinVerb(const std::string& appPath, const std::string& menuText) {
    if (appPath.empty()) return false;
    const std::string verb =
        std::string("CLSID\\") + kRecycleBinClsid + "\\shell\\" + kRegistryKey;
    CRegKey key, command;
    return key.Create(HKEY_CLASSES_ROOT, verb.c_str(), KEY_READ | KEY_WRITE) &&
           key.WriteString("", menuText) &&
           command.Create(HKEY_CLASSES_ROOT, (verb + "\\command").c_str(), KEY_READ | KEY_WRITE) &&
           command.WriteString("", RecycleVerbCommand(appPath));
}

}  // namespace shredder
