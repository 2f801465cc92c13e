#pragma once
// Text between the program's ANSI strings and the wide strings of COM.
#include <windows.h>
#include <string>

namespace com {

std::wstring Widen(const std::string& text);
std::string Narrow(const wchar_t* text);
std::string Narrow(const std::wstring& text);

// The registry form of a GUID, braces included.
std::string GuidText(REFGUID guid);

// A wide string that the platform returned in task memory: copied, then
// the memory is freed. Null gives "".
std::wstring TakeTaskMemString(LPWSTR text);

}  // namespace com
