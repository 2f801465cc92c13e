#include "privacy/cache/runnable_files.h"

#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

const char* const kRunnableTypes[] = {
    // programs
    "exe", "com", "scr", "pif", "cpl", "msc",
    // scripts and the script hosts' files
    "bat", "cmd", "vb", "vbs", "vbe", "js", "jse", "wsf", "wsh", "wsc", "sct", "ps1", "jar",
    // shortcuts and shell scraps
    "lnk", "url", "scf", "shs", "shb",
    // installers
    "msi", "msp", "mst",
    // registry and setup files
    "reg", "inf", "ins", "isp",
    // HTML applications and compiled help, which runs script
    "hta", "chm",
};

}  // namespace

bool OpeningRunsCode(const std::string& path) {
    const size_t end = path.find_last_not_of(". ");
    if (end == std::string::npos) return false;
    const std::string name = path.substr(0, end + 1);
    const size_t dot = name.rfind('.');
    const size_t slash = name.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    const std::string type = name.substr(dot + 1);
    if (!type.empty() && type[0] == '{') return true;
    for (const char* runnable : kRunnableTypes) {
        if (EqualsNoCase(type, runnable)) return true;
    }
    return false;
}

}  // namespace privacy
