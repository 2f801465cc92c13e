#pragma once
// What the tests of skinned windows share about the recording stand-in
// skin control (RecordingSkin.dll, built beside the tests): where it lies
// and how a window handle reads in its record.
#include <windows.h>

#include <string>

namespace uitest {

// The variable that names the file the stand-in writes its calls to.
constexpr char kSkinRecordVariable[] = "VELMORA_SKIN_RECORD";

// RecordingSkin.dll beside the running test program.
inline std::string RecordingSkinPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path = exe;
    return path.substr(0, path.find_last_of('\\')) + "\\RecordingSkin.dll";
}

// A window handle as the skin control receives it.
inline std::string SkinWindowText(HWND window) {
    return std::to_string(static_cast<long>(reinterpret_cast<LONG_PTR>(window)));
}

}  // namespace uitest
