#include "startup/core/sys_info.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "startup/core/registry_routines.h"

namespace startup {

std::string FindSysInfoPath() {
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                    path)) {
        path += "\\MSINFO32.EXE";
        if (files::FileExists(path)) return path;
    }
    return std::string();
}

}  // namespace startup
