#include "common/files/wide_calls.h"

#include "common/files/ansi_names.h"

namespace files {

namespace {

template <class Fn>
void Load(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

WideCalls LoadWideCalls() {
    WideCalls calls;
    if (!UnicodeNames()) return calls;
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    Load(kernel, "FindFirstFileW", calls.findFirst);
    Load(kernel, "FindNextFileW", calls.findNext);
    Load(kernel, "GetShortPathNameW", calls.shortPath);
    Load(kernel, "GetCommandLineW", calls.commandLine);
    return calls;
}

}  // namespace

const WideCalls& Wide() {
    static const WideCalls calls = LoadWideCalls();
    return calls;
}

}  // namespace files
