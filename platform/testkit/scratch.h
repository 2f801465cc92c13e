#pragma once
// Scratch state for one test: a fresh folder under C: and a fresh registry
// tree. Both are made empty at construction and removed at destruction.
#include <windows.h>
#include <string>

namespace testkit {

class ScratchDir {
public:
    // C:\velmora-tests\<name>, empty.
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }
    // <path>\<relative>, with any folders on the way created.
    std::string file(const std::string& relative) const;
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

private:
    std::string path_;
};

// A file holding `bytes` (or, with none, a folder) made under a wide name
// inside `folder`: names the ANSI code page cannot hold. The full wide
// path; "" when it could not be made.
std::wstring MakeWide(const std::string& folder, const std::wstring& relative,
                      const char* bytes = "");

// HKCU\Software\Velmora Tests\<name>, empty. With redirect, the process's
// HKEY_CURRENT_USER (and HKEY_LOCAL_MACHINE) point into the tree until
// destruction, so code that writes fixed keys stays inside the test's own
// tree: <tree>\HKCU and <tree>\HKLM.
class ScratchRegistry {
public:
    enum Mode { Plain, Redirect };
    explicit ScratchRegistry(const std::string& name, Mode mode = Redirect);
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    HKEY root() const { return root_; }
    HKEY currentUser() const { return hkcu_; }
    HKEY localMachine() const { return hklm_; }

private:
    std::string path_;
    HKEY root_ = nullptr;
    HKEY hkcu_ = nullptr;
    HKEY hklm_ = nullptr;
    bool redirected_ = false;
};

// Small registry readers for assertions; "" / -1 when absent.
std::string RegString(HKEY root, const std::string& key, const std::string& value);
long long RegDword(HKEY root, const std::string& key, const std::string& value);
bool RegValueExists(HKEY root, const std::string& key, const std::string& value);
bool RegKeyExists(HKEY root, const std::string& key);

// Runs a command line (a program of the prefix or the build tree) and waits
// up to a minute for it; its exit code, or the error that kept it from
// starting.
DWORD RunProgram(std::string commandLine);
// regsvr32 /s, with /u to unregister, on the server at `path`.
DWORD Regsvr32(const std::string& path, bool unregister);

// Values set as an installer or the user would have left them; the key is
// created on the way.
void SetRegString(HKEY root, const std::string& key, const std::string& value,
                  const std::string& text);
void SetRegDword(HKEY root, const std::string& key, const std::string& value, DWORD data);
void DeleteRegValue(HKEY root, const std::string& key, const std::string& value);

}  // namespace testkit
