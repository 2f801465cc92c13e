#include "common/files/folder_list.h"

#include <windows.h>

#include "common/files/ansi_names.h"
#include "common/files/wide_calls.h"

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

template <class Data>
FolderEntry EntryOf(const Data& data) {
    FolderEntry entry;
    entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.attributes = data.dwFileAttributes;
    entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return entry;
}

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }
bool IsDotEntry(const std::wstring& name) { return name == L"." || name == L".."; }

// Windows 95, 98 and Me: the names are the file system's own.
FolderListing ListAnsi(const std::string& pattern) {
    FolderListing listing;
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    listing.opened = find.IsOpen();
    if (!listing.opened) return listing;
    do {
        FolderEntry entry = EntryOf(data);
        entry.name = data.cFileName;
        if (IsDotEntry(entry.name)) continue;
        if (IsPlainName(entry.name))
            listing.entries.push_back(entry);
        else
            listing.unnamed.push_back(entry.name);
    } while (FindNextFileA(find.get(), &data));
    return listing;
}

FolderListing ListWide(const WideCalls& calls, const std::string& pattern) {
    FolderListing listing;
    WIN32_FIND_DATAW data;
    FindHandle find(calls.findFirst(WideOf(pattern).c_str(), &data));
    listing.opened = find.IsOpen();
    if (!listing.opened) return listing;
    do {
        if (IsDotEntry(std::wstring(data.cFileName))) continue;
        FolderEntry entry;
        std::string shown;
        if (ListedEntry(data, entry, shown))
            listing.entries.push_back(entry);
        else
            listing.unnamed.push_back(shown);
    } while (calls.findNext(find.get(), &data));
    return listing;
}

class SystemFolderLister : public FolderLister {
public:
    FolderListing List(const std::string& pattern) const override {
        const WideCalls& calls = Wide();
        if (calls.findFirst && calls.findNext) return ListWide(calls, pattern);
        return ListAnsi(pattern);
    }
};

}  // namespace

bool ListedEntry(const WIN32_FIND_DATAW& data, FolderEntry& entry, std::string& shown) {
    entry = EntryOf(data);
    const std::wstring name = data.cFileName;
    if (ExactAnsi(name, entry.name) && IsPlainName(entry.name)) return true;
    const std::wstring alternate = data.cAlternateFileName;
    if (!alternate.empty() && ExactAnsi(alternate, entry.name) && IsPlainName(entry.name))
        return true;
    entry.name.clear();
    shown = ShownAnsi(name);
    return false;
}

const FolderLister& SystemLister() {
    static const SystemFolderLister lister;
    return lister;
}

FolderListing ListFolder(const std::string& pattern) { return SystemLister().List(pattern); }

std::vector<FolderEntry> ListMatches(const std::string& pattern) {
    return ListFolder(pattern).entries;
}

bool HoldsNothing(const std::string& folder) {
    const FolderListing listing = ListFolder(folder + "\\*");
    return listing.opened && listing.entries.empty() && listing.unnamed.empty();
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
