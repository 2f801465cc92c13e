#pragma once
// The six kinds of browsing traces the Wipe page clears, each a small class
// over the narrow interfaces below, run in one fixed order: Cookies, Recent
// Documents, Temporary Internet Files, Internet History, Recent Office
// Documents, Recycle Bin. A kind whose folder is unknown (empty, relative or
// a bare drive root) refuses: it touches nothing, so an unknown profile can
// never turn into a wipe at the root of a drive.
#include <string>
#include <utility>
#include <vector>

namespace privacy {

// Deletes every file and subfolder inside a folder, permanently.
class IFolderEraser {
public:
    virtual ~IFolderEraser() = default;
    virtual void EraseContents(const std::string& folder) = 0;
};

// The browser's URL cache and history store.
class ICacheEraser {
public:
    virtual ~ICacheEraser() = default;
    virtual void DeleteCookies() = 0;
    virtual void DeleteTempFiles() = 0;
    virtual void DeleteHistory() = 0;  // history entries and the history store
};

class IRecycleBin {
public:
    virtual ~IRecycleBin() = default;
    // Empties the Recycle Bin of every drive, silently. False when this
    // system offers no way to.
    virtual bool Empty() = 0;
};

// The folders that hold the traces.
struct TraceFolders {
    std::string cookies;
    std::string recent;
    std::string history;
    std::string officeRecent;
};

// Registry keys the kinds delete with everything below them.
extern const char kRecentDocsKey[];  // HKEY_CURRENT_USER\...\Explorer\RecentDocs
extern const char kTypedUrlsKey[];   // HKEY_CURRENT_USER\...\Internet Explorer\TypedURLs

// True for a full path below a drive root ("C:\x") or a share ("\\h\s\x").
bool IsSafeWipeFolder(const std::string& folder);

class WipeKind {
public:
    virtual ~WipeKind() = default;
    // False when the kind refused or cannot run here; it then touched nothing.
    virtual bool Clear() = 0;
};

// A kind that first empties its folder, then clears what else it owns.
class FolderWipe : public WipeKind {
public:
    FolderWipe(std::string folder, IFolderEraser& eraser) : folder_(std::move(folder)), eraser_(eraser) {}
    bool Clear() final;

protected:
    virtual void ClearRest() {}

private:
    std::string folder_;
    IFolderEraser& eraser_;
};

// A folder kind that also clears part of the browser's cache.
class CacheFolderWipe : public FolderWipe {
public:
    CacheFolderWipe(std::string folder, IFolderEraser& eraser, ICacheEraser& cache)
        : FolderWipe(std::move(folder), eraser), cache_(cache) {}

protected:
    ICacheEraser& cache_;
};

class CookiesWipe final : public CacheFolderWipe {
public:
    using CacheFolderWipe::CacheFolderWipe;

private:
    void ClearRest() override;  // the cache's cookies
};

// Also the shell's list of recently opened documents.
class RecentDocumentsWipe final : public FolderWipe {
public:
    using FolderWipe::FolderWipe;

private:
    void ClearRest() override;
};

class TempInternetFilesWipe final : public WipeKind {
public:
    explicit TempInternetFilesWipe(ICacheEraser& cache) : cache_(cache) {}
    bool Clear() override;

private:
    ICacheEraser& cache_;
};

// Also the cache's history entries, the history store and the typed addresses.
class HistoryWipe final : public CacheFolderWipe {
public:
    using CacheFolderWipe::CacheFolderWipe;

private:
    void ClearRest() override;
};

class OfficeRecentWipe final : public FolderWipe {
public:
    using FolderWipe::FolderWipe;
};

class RecycleBinWipe final : public WipeKind {
public:
    explicit RecycleBinWipe(IRecycleBin& bin) : bin_(bin) {}
    bool Clear() override;

private:
    IRecycleBin& bin_;
};

// The items as the settings file keeps their ticks (fields in this order).
enum WipeItem {
    kWipeTempFiles = 0,
    kWipeHistory = 1,
    kWipeRecent = 2,
    kWipeOfficeRecent = 3,
    kWipeRecycleBin = 4,
    kWipeCookies = 5,
    kWipeItemCount = 6
};

struct WipeTools {
    TraceFolders folders;
    IFolderEraser& eraser;
    ICacheEraser& cache;
    IRecycleBin& bin;
};

// Runs the ticked kinds (ticks[item] not 0) in the fixed order; items not
// ticked are not touched. Returns the ticked items that were not cleared,
// in that order.
std::vector<WipeItem> ClearSelectedItems(const int (&ticks)[kWipeItemCount], const WipeTools& tools);

}  // namespace privacy
