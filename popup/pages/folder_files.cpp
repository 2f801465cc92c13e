#include "popup/pages/folder_files.h"

#include <windows.h>

namespace {

// One file search, closed when it goes out of scope.
class FileSearch {
public:
    FileSearch(const std::string& pattern, WIN32_FIND_DATAA& data)
        : handle_(FindFirstFileA(pattern.c_str(), &data)) {}
    ~FileSearch() {
        if (Found()) FindClose(handle_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(handle_, &data) != FALSE; }

private:
    HANDLE handle_;
};

}  // namespace

std::vector<std::string> ListFileTitles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> titles;
    WIN32_FIND_DATAA data;
    FileSearch search(folder + "\\" + pattern, data);
    if (!search.Found()) return titles;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string name = data.cFileName;
        const size_t dot = name.rfind('.');
        titles.push_back(dot == std::string::npos ? name : name.substr(0, dot));
    } while (search.Next(data));
    return titles;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
