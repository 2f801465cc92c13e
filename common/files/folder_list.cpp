#include "common/files/folder_list.h"

#include <windows.h>

namespace files {
namespace {

// One file search, closed when it goes out of scope.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (IsOpen()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::vector<FolderEntry> ListMatches(const std::string& pattern) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.IsOpen()) return entries;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileA(find.get(), &data));
    return entries;
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListMatches(folder + "\\*"))
        if (entry.isFolder) names.push_back(entry.name);
    return names;
}

std::vector<std::string> ListFileTitles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> titles;
    for (const FolderEntry& entry : ListMatches(folder + "\\" + pattern)) {
        if (entry.isFolder) continue;
        const size_t dot = entry.name.rfind('.');
        titles.push_back(dot == std::string::npos ? entry.name : entry.name.substr(0, dot));
    }
    return titles;
}

}  // namespace files
