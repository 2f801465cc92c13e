#include "startup/core/error_log.h"

#include <windows.h>

#include <cstdio>

#include "common/files/file_writes.h"

namespace startup {

void WriteErrorLog(const std::string& programFolder, const std::string& message) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[80];
    std::snprintf(stamp, sizeof(stamp), "\r\nDate: %04u-%02u-%02u\r\nTime: %02u:%02u:%02u\r\n",
                  now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    files::AppendToFile(programFolder + "\\errorlog.txt", stamp + message + "\r\n");
}

}  // namespace startup
