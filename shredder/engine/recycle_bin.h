#pragma once
// The shell's Recycle Bin functions, loaded by name from SHELL32 (older
// shells lack them), and where a drive keeps its bin.
#include <windows.h>
#include <shellapi.h>

#include "shredder/engine/shred_engine.h"

namespace shredder {

class ShellRecycleBin : public RecycleBinApi {
public:
    ShellRecycleBin();
    ~ShellRecycleBin() override;
    ShellRecycleBin(const ShellRecycleBin&) = delete;
    ShellRecycleBin& operator=(const ShellRecycleBin&) = delete;

    bool Available() override;
    HRESULT Query(const std::string& root, uint64_t& size, uint64_t& count) override;
    HRESULT Empty(const std::string& root) override;

private:
    using QueryFn = HRESULT(WINAPI*)(LPCSTR, LPSHQUERYRBINFO);
    using EmptyFn = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    HMODULE shell_ = nullptr;
    QueryFn query_ = nullptr;
    EmptyFn empty_ = nullptr;
};

// "<root>Recycler\<sid>\" on NTFS, "<root>RECYCLED\" otherwise.
std::string BinFolder(const DriveSlot& drive, const std::string& userSid);
// The 65 bytes written as a bin's "desktop.ini" after emptying.
const char* DesktopIniText();

}  // namespace shredder
