#pragma once
// The privacy filters on request heads and response bodies: cross-site
// Referer lines, Cookie and User-Agent lines, image requests, the page
// scripts' view of document.referrer, and the popup script in front of
// pages. No platform calls; the Control key comes in as a flag.
#include <string>
#include <vector>

#include "common/proxy/http_text.h"
#include "privacy/core/site_records.h"

namespace privacy {

extern const char kPopupScript[];  // put in front of pages when popups are blocked

// The part of `host` that a same-site Referer names: from its first "." on
// when it holds two dots or more, else the whole host.
std::string SiteDomain(const std::string& host);

// Drops the Referer (or Referrer) lines that do not name the site's domain
// (any case). True when a line was dropped.
bool RemoveCrossSiteReferer(std::vector<std::string>& lines, const std::string& host);

struct HeaderFilterResult {
    bool changed = false;         // some line was dropped
    bool refererRemoved = false;  // among them a Referer line
};
// The Referer, Cookie and User-Agent filters as `options` switch them on.
HeaderFilterResult FilterRequestHeaders(std::vector<std::string>& lines, const std::string& host,
                                        const BlockingOptions& options);

// True when the URL's path (the part before any "?") names an image type.
bool IsImagePath(const std::string& path);

// Whether `position` of a body lies in script: a script response is script
// everywhere; elsewhere inside a script element, not inside xmp, pre, code
// or text elements. `scan` is the body's markup scan.
bool IsInsideScript(size_t position, const proxy::MarkupScan& scan, bool scriptResponse);

// "document.referrer" in script becomes "document.Referrer" (an undefined
// property). `lower` is the body lower-cased. True when the body changed.
bool RewriteDocumentReferrer(std::string& body, const std::string& lower,
                             const proxy::MarkupScan& scan, bool scriptResponse);

// The popup script in front of a page (behind its document type). True
// when the body changed.
bool InjectPopupScript(std::string& body, const std::string& lower);

// What a blocked request gets: the block page or image with its head.
// Empty when the content is empty (its file was missing).
std::string BlockReply(const std::string& filePath, const std::string& content);

}  // namespace privacy
