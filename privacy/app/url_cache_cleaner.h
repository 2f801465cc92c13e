// The browser's cached files that the Sites and Options pages empty, so the
// browser fetches those pages and images again through the proxy (and they
// meet the new blocking options). Cookies and history entries stay.
#pragma once
#include <windows.h>

#include <string>

namespace privacy {

class UrlCacheCleaner {
public:
    virtual ~UrlCacheCleaner() = default;
    // Deletes every cached file whose URL contains `host` (case-sensitive).
    virtual void DeleteSiteFiles(const std::string& host) = 0;
    // Deletes every cached file.
    virtual void DeleteAllFiles() = 0;
};

// Whether a URL-cache entry of `entryType` and `url` is a cached file
// (neither cookie nor history) of `host`. An empty host names no site.
bool IsSiteCachedFile(DWORD entryType, const std::string& url, const std::string& host);

// The platform's URL cache.
class WinInetCacheCleaner : public UrlCacheCleaner {
public:
    void DeleteSiteFiles(const std::string& host) override;
    void DeleteAllFiles() override;
};

}  // namespace privacy
