#include "startup/core/location_actions.h"

#include <windows.h>

#include "startup/core/ini_routines.h"
#include "startup/core/registry_routines.h"
#include "startup/core/shortcut.h"

namespace startup {
namespace {

bool RegistryPlace(int place, HKEY& root, std::string& path) {
    static const char* const keys[] = {"Run", "Run", "RunOnce", "RunOnceEx"};
    if (place >= kUserRun && place <= kMachineRunOnceEx) {
        root = place == kUserRun ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        path = RunKeyPath(keys[place]);
        return true;
    }
    if (place == kMachineRunServices) {
        root = HKEY_LOCAL_MACHINE;
        path = RunKeyPath("RunServices");
        return true;
    }
    return false;
}

std::string SystemError(LONG code) {
    char text[256] = {};
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                        static_cast<DWORD>(code), 0, text, sizeof(text), nullptr)) {
        return "error " + std::to_string(code);
    }
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

std::string Failure(const char* what, const EntryRow& row, const std::string& reason) {
    return std::string(what) + " \"" + row.entry.taskName + "\" (" + row.entry.loadFrom +
           "): " + reason;
}

const char* IniKey(int place) { return place == kWinIniLoad ? "Load" : "Run"; }

std::string ShortcutPath(const EntryRow& row, const Places& places) {
    return places.StartupFolder(row.place) + "\\" + row.entry.taskName + ".lnk";
}

}  // namespace

unsigned long ValueTypeFor(const EntryRow& row) {
    if (row.valueType == REG_EXPAND_SZ || row.valueType == REG_SZ) return row.valueType;
    const std::string& command = row.entry.location;
    const size_t first = command.find('%');
    return first != std::string::npos && command.find('%', first + 2) != std::string::npos
               ? REG_EXPAND_SZ
               : REG_SZ;
}

std::string RemoveStartupEntry(const EntryRow& row, const Places& places) {
    HKEY root = nullptr;
    std::string path;
    if (RegistryPlace(row.place, root, path)) {
        LONG result = DeleteRegValue(root, path, row.entry.taskName);
        return result == ERROR_SUCCESS ? std::string()
                                       : Failure("Could not take out", row, SystemError(result));
    }
    switch (row.place) {
    case kUserStartup:
    case kCommonStartup:
        if (DeleteFileA(ShortcutPath(row, places).c_str()) ||
            GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND) {
            return std::string();
        }
        return Failure("Could not take out", row, SystemError(GetLastError()));
    case kWinIniLoad:
    case kWinIniRun:
        return ClearIniKey("Windows", IniKey(row.place), places.WinIni())
                   ? std::string()
                   : Failure("Could not take out", row, SystemError(GetLastError()));
    default:
        return std::string();
    }
}

std::string RestoreStartupEntry(const EntryRow& row, const Places& places) {
    HKEY root = nullptr;
    std::string path;
    if (RegistryPlace(row.place, root, path)) {
        LONG result = WriteRegValue(root, path, row.entry.taskName, row.entry.location,
                                    ValueTypeFor(row));
        return result == ERROR_SUCCESS ? std::string()
                                       : Failure("Could not put back", row, SystemError(result));
    }
    switch (row.place) {
    case kUserStartup:
    case kCommonStartup:
        return MakeShortcut(ShortcutPath(row, places), row.entry.location)
                   ? std::string()
                   : Failure("Could not put back", row, "the shortcut could not be saved");
    case kWinIniLoad:
    case kWinIniRun:
        return WriteIniString("Windows", IniKey(row.place), row.entry.location, places.WinIni())
                   ? std::string()
                   : Failure("Could not put back", row, SystemError(GetLastError()));
    default:
        return std::string();
    }
}

}  // namespace startup
