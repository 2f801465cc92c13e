#pragma once
// The wide file calls of the NT family, loaded by name once: Windows 95,
// 98 and Me export them only as stubs that fail, and names there are ANSI
// anyway. Every entry is null where the system is not of the NT family.
#include <windows.h>

namespace files {

struct WideCalls {
    HANDLE(WINAPI* findFirst)(LPCWSTR, LPWIN32_FIND_DATAW) = nullptr;
    BOOL(WINAPI* findNext)(HANDLE, LPWIN32_FIND_DATAW) = nullptr;
    DWORD(WINAPI* shortPath)(LPCWSTR, LPWSTR, DWORD) = nullptr;
    LPWSTR(WINAPI* commandLine)() = nullptr;
};

const WideCalls& Wide();

}  // namespace files
