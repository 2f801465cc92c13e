#include "common/files/dropped_paths.h"

namespace files {

namespace {

using DragQueryWideFn = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);

// shell32 is loaded in every process that holds a drop.
DragQueryWideFn DragQueryWide() {
    static const DragQueryWideFn query =
        UnicodeNames() ? reinterpret_cast<DragQueryWideFn>(reinterpret_cast<void*>(
                             GetProcAddress(GetModuleHandleA("shell32.dll"), "DragQueryFileW")))
                       : nullptr;
    return query;
}

}  // namespace

NamedPaths ReadDroppedPaths(HDROP drop) {
    const DragQueryWideFn wide = DragQueryWide();
    if (wide) {
        std::vector<std::wstring> paths;
        const UINT count = wide(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(wide(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(wide(drop, i, &path[0], static_cast<UINT>(path.size())));
            paths.push_back(path);
        }
        return NamePaths(paths);
    }
    NamedPaths named;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        path.resize(DragQueryFileA(drop, i, &path[0], static_cast<UINT>(path.size())));
        named.paths.push_back(path);
    }
    return named;
}

}  // namespace files
