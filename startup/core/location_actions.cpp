#include "startup/core/location_actions.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "startup/core/ini_routines.h"
#include "startup/core/kept_shortcuts.h"
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

bool ShortcutPlace(int place) { return place == kUserStartup || place == kCommonStartup; }

std::string ShortcutPath(const EntryRow& row, const Places& places) {
    return places.StartupFolder(row.place) + "\\" + row.ShortcutFile();
}

bool FileGone(BOOL deleted) {
    return deleted || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A name from a file must not lead out of the Startup folder.
std::string CheckShortcutName(const char* what, const EntryRow& row) {
    return ValidShortcutName(row.entry.taskName)
               ? std::string()
               : Failure(what, row, "the name cannot be a shortcut file name");
}

bool KeptFileThere(const EntryRow& row, const Places& places) {
    return row.stored && !row.fileName.empty() &&
           FileThere(places.KeptFile(row.place, row.fileName));
}

std::string RestoreShortcut(const EntryRow& row, const Places& places) {
    const std::string live = ShortcutPath(row, places);
    if (KeptFileThere(row, places)) {
        const std::string kept = places.KeptFile(row.place, row.fileName);
        if (!FileGone(DeleteFileA(live.c_str())) || !MoveFileA(kept.c_str(), live.c_str()))
            return Failure("Could not put back", row, SystemError(GetLastError()));
        if (ReadShortcutTarget(live) == row.entry.location) return std::string();
    }
    return MakeShortcut(live, row.entry.location)
               ? std::string()
               : Failure("Could not put back", row, "the shortcut could not be saved");
}

std::string RestoreValue(const EntryRow& row, HKEY root, const std::string& path) {
    const bool kept = row.valueType != 0 &&
                      RegValueText(row.valueType, row.valueData) == row.entry.location;
    LONG result = kept ? WriteRegBytes(root, path, row.entry.taskName, row.valueData,
                                       row.valueType)
                       : WriteRegValue(root, path, row.entry.taskName, row.entry.location,
                                       ValueTypeFor(row));
    return result == ERROR_SUCCESS ? std::string()
                                   : Failure("Could not put back", row, SystemError(result));
}

std::string UnknownPlace(const char* what, const EntryRow& row) {
    return Failure(what, row, "its place is not known");
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
    if (ShortcutPlace(row.place)) {
        std::string failure = CheckShortcutName("Could not take out", row);
        if (failure.empty() && !FileGone(DeleteFileA(ShortcutPath(row, places).c_str())))
            failure = Failure("Could not take out", row, SystemError(GetLastError()));
        return failure;
    }
    if (row.place == kWinIniLoad || row.place == kWinIniRun) {
        return ClearIniKey("Windows", IniKey(row.place), places.WinIni())
                   ? std::string()
                   : Failure("Could not take out", row, SystemError(GetLastError()));
    }
    return UnknownPlace("Could not take out", row);
}

std::string DisableStartupEntry(const EntryRow& row, const Places& places) {
    if (!ShortcutPlace(row.place)) return RemoveStartupEntry(row, places);
    std::string failure = CheckShortcutName("Could not take out", row);
    if (!failure.empty()) return failure;
    const std::string live = ShortcutPath(row, places);
    if (!FileThere(live)) return std::string();
    const std::string keptAlready = KeptFileOf(places, row.place, row.entry.taskName);
    if (!keptAlready.empty())
        return Failure("Could not take out", row,
                       "a disabled shortcut of that name is kept already in " +
                           places.KeptFile(row.place, keptAlready));
    CreateDirectoryA(places.KeptFolder().c_str(), nullptr);
    CreateDirectoryA(places.KeptSubfolder(row.place).c_str(), nullptr);
    return MoveFileA(live.c_str(), places.KeptFile(row.place, row.ShortcutFile()).c_str())
               ? std::string()
               : Failure("Could not take out", row, SystemError(GetLastError()));
}

std::string RestoreStartupEntry(const EntryRow& row, const Places& places) {
    HKEY root = nullptr;
    std::string path;
    if (RegistryPlace(row.place, root, path)) return RestoreValue(row, root, path);
    if (ShortcutPlace(row.place)) {
        const std::string failure = CheckShortcutName("Could not put back", row);
        return failure.empty() ? RestoreShortcut(row, places) : failure;
    }
    if (row.place == kWinIniLoad || row.place == kWinIniRun) {
        return WriteIniString("Windows", IniKey(row.place), row.entry.location, places.WinIni())
                   ? std::string()
                   : Failure("Could not put back", row, SystemError(GetLastError()));
    }
    return UnknownPlace("Could not put back", row);
}

std::string ForgetStoredEntry(const EntryRow& row, const Places& places) {
    if (!ShortcutPlace(row.place) || row.fileName.empty()) return std::string();
    const std::string kept = places.KeptFile(row.place, row.fileName);
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    return FileGone(DeleteFileA(kept.c_str()))
               ? std::string()
               : Failure("Could not remove", row, SystemError(GetLastError()));
}

bool LiveEntryExists(const EntryRow& row, const Places& places) {
    HKEY root = nullptr;
    std::string path;
    std::string text;
    if (RegistryPlace(row.place, root, path))
        return ReadRegValue(root, path, row.entry.taskName, text, nullptr);
    if (ShortcutPlace(row.place))
        return ValidShortcutName(row.entry.taskName) && FileThere(ShortcutPath(row, places));
    if (row.place == kWinIniLoad || row.place == kWinIniRun)
        return !ReadIniString("Windows", IniKey(row.place), places.WinIni()).empty();
    return false;
}

bool NothingToPutBack(const EntryRow& row, const Places& places) {
    return ShortcutPlace(row.place) && row.entry.location.empty() && !KeptFileThere(row, places);
}

bool ReadLiveEntry(const Places& places, EntryRow& row) {
    HKEY root = nullptr;
    std::string path;
    if (RegistryPlace(row.place, root, path)) {
        DWORD type = 0;
        if (!ReadRegValue(root, path, row.entry.taskName, row.entry.location, &type,
                          &row.valueData))
            return false;
        row.valueType = type;
        return true;
    }
    if (ShortcutPlace(row.place)) {
        const std::string file = ShortcutPath(row, places);
        if (!ValidShortcutName(row.entry.taskName) || !files::ReadWholeFile(file, row.fileBytes))
            return false;
        row.fileName = row.ShortcutFile();
        row.entry.location = ReadShortcutTarget(file);
        return true;
    }
    if (row.place == kWinIniLoad || row.place == kWinIniRun) {
        row.entry.location = ReadIniString("Windows", IniKey(row.place), places.WinIni());
        return !row.entry.location.empty();
    }
    return false;
}

bool ChangedBehind(const EntryRow& read, const Places& places, EntryRow& now) {
    now = read;
    if (!ReadLiveEntry(places, now)) return false;
    return now.entry.location != read.entry.location || now.valueType != read.valueType ||
           now.valueData != read.valueData || now.fileBytes != read.fileBytes;
}

}  // namespace startup
