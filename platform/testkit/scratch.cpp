#include "platform/testkit/scratch.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <fstream>
#include <sstream>

namespace testkit {
namespace {

const char kScratchRoot[] = "C:\\velmora-tests";
const char kRegistryRoot[] = "Software\\Velmora Tests";

// Wide, so a name the ANSI code page cannot hold goes too; a link goes as
// itself, never entered.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            const DWORD attributes = data.dwFileAttributes;
            if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                if (!RemoveDirectoryW(child.c_str())) DeleteFileW(child.c_str());
                continue;
            }
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

std::wstring Widened(const std::string& path) {
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0],
                                    static_cast<int>(wide.size())) - 1);
    return wide;
}

void RemoveTree(const std::string& path) { RemoveTree(Widened(path)); }

void MakeFolders(const std::string& path) {
    for (size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

HKEY CreateKey(HKEY parent, const std::string& sub) {
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExA(parent, sub.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr))
        << sub;
    return key;
}

void SetRegValue(HKEY root, const std::string& key, const std::string& value, DWORD type,
                 const void* data, DWORD size) {
    HKEY handle = CreateKey(root, key);
    if (!handle) return;
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(handle, value.c_str(), 0, type,
                                            static_cast<const BYTE*>(data), size))
        << key << "\\" << value;
    RegCloseKey(handle);
}

}  // namespace

ScratchDir::ScratchDir(const std::string& name) : path_(std::string(kScratchRoot) + "\\" + name) {
    RemoveTree(path_);
    MakeFolders(path_);
}

ScratchDir::~ScratchDir() { RemoveTree(path_); }

std::string ScratchDir::file(const std::string& relative) const {
    std::string full = path_ + "\\" + relative;
    size_t slash = full.rfind('\\');
    MakeFolders(full.substr(0, slash));
    return full;
}

void ScratchDir::write(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(file(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << relative;
}

std::string ScratchDir::read(const std::string& relative) const {
    std::ifstream in(path_ + "\\" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ScratchDir::exists(const std::string& relative) const {
    return GetFileAttributesA((path_ + "\\" + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

ScratchRegistry::ScratchRegistry(const std::string& name, Mode mode)
    : path_(std::string(kRegistryRoot) + "\\" + name) {
    SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
    root_ = CreateKey(HKEY_CURRENT_USER, path_);
    hkcu_ = CreateKey(root_, "HKCU");
    hklm_ = CreateKey(root_, "HKLM");
    if (mode == Redirect) {
        EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, hkcu_));
        EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_LOCAL_MACHINE, hklm_));
        redirected_ = true;
    }
}

ScratchRegistry::~ScratchRegistry() {
    if (redirected_) {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    }
    RegCloseKey(hkcu_);
    RegCloseKey(hklm_);
    RegCloseKey(root_);
    SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

std::string RegString(HKEY root, const std::string& key, const std::string& value) {
    char buffer[4096];
    DWORD size = sizeof(buffer);
    if (SHGetValueA(root, key.c_str(), value.c_str(), nullptr, buffer, &size) != ERROR_SUCCESS)
        return "";
    return std::string(buffer, size && buffer[size - 1] == '\0' ? size - 1 : size);
}

long long RegDword(HKEY root, const std::string& key, const std::string& value) {
    DWORD data = 0, size = sizeof(data), type = 0;
    if (SHGetValueA(root, key.c_str(), value.c_str(), &type, &data, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return -1;
    return data;
}

bool RegValueExists(HKEY root, const std::string& key, const std::string& value) {
    return SHGetValueA(root, key.c_str(), value.c_str(), nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

DWORD RunProgram(std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

DWORD Regsvr32(const std::string& path, bool unregister) {
    return RunProgram(std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + path + "\"");
}

void SetRegString(HKEY root, const std::string& key, const std::string& value,
                  const std::string& text) {
    SetRegValue(root, key, value, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void SetRegDword(HKEY root, const std::string& key, const std::string& value, DWORD data) {
    SetRegValue(root, key, value, REG_DWORD, &data, sizeof(data));
}

void DeleteRegValue(HKEY root, const std::string& key, const std::string& value) {
    SHDeleteValueA(root, key.c_str(), value.c_str());
}

std::wstring MakeWide(const std::string& folder, const std::wstring& relative, const char* bytes) {
    const std::wstring path = Widened(folder) + L"\\" + relative;
    if (!bytes) return CreateDirectoryW(path.c_str(), nullptr) ? path : std::wstring();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::wstring();
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(lstrlenA(bytes)), &written, nullptr);
    CloseHandle(file);
    return path;
}

}  // namespace testkit
