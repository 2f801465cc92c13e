#include "startup/app/shell_seam.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace startup {

bool SystemShell::Run(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void SystemShell::Open(const std::string& file, const std::string& folder) {
    ShellExecuteA(nullptr, "open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

std::string SystemShell::PickFile(HWND owner, bool save, const std::string& filter,
                                  const char* defaultExtension) {
    std::string filters = filter;
    for (char& c : filters) {
        if (c == '|') c = '\0';
    }
    filters.append(2, '\0');
    char path[MAX_PATH] = {};
    OPENFILENAMEA dialog = {};
    // The size Windows 95 and NT 4 know, so the dialog opens there too.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL picked = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return picked ? path : std::string();
}

}  // namespace startup
