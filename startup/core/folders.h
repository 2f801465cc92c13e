#pragma once
// The folders the program works in: the Windows folder (win.ini and the
// disabled-entry store) and the two Startup folders.
#include <string>

namespace startup {

constexpr int kCsidlStartup = 7;          // the current user's Startup folder
constexpr int kCsidlCommonStartup = 24;   // the common Startup folder

// The folder of a CSIDL, created when missing where the system can; ""
// when the system has no such folder (the common Startup folder of
// Windows 95).
std::string GetSpecialFolderPath(int csidl);
std::string GetWindowsFolder();

// Every folder the entry list reaches; tests point them at scratch folders.
struct Places {
    std::string windowsFolder;
    std::string userStartup;
    std::string commonStartup;

    std::string WinIni() const { return windowsFolder + "\\win.ini"; }
    std::string StoreFile() const { return windowsFolder + "\\SaveProf.pro"; }
    const std::string& StartupFolder(int place) const;
    // The program's own folder beside the store: the shortcut files of
    // disabled Startup-folder entries, kept whole, and the registry values
    // of disabled entries with their types.
    std::string KeptFolder() const { return windowsFolder + "\\SaveProf"; }
    // Where the files of one Startup folder are kept, each under its own name.
    std::string KeptSubfolder(int place) const;
    std::string KeptFile(int place, const std::string& fileName) const {
        return KeptSubfolder(place) + "\\" + fileName;
    }
    std::string ValuesFile() const { return KeptFolder() + "\\Values.txt"; }
};

// The machine's own folders.
Places SystemPlaces();

}  // namespace startup
