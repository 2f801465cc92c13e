#include "privacy/core/privacy_filters.h"

#include <algorithm>
#include <cstdio>

namespace privacy {

const char kPopupScript[] =
    "<script language=\"JavaScript\" type=\"text/javascript\">\n"
    "<!-- hide\n"
    "function QVL_errorsuppressor(){return true;}\n"
    "window.onerror=QVL_errorsuppressor;\n"
    "function QVL_NoUnload( ){};\n"
    "function QVL_OnUnload( )\n"
    "{\n"
    "window.onunload=QVL_NoUnload;\n"
    "window.onbeforeunload=QVL_NoUnload;\n"
    "}\n"
    "function showModelessDialog(sURL, vArguments, sFeatures)\n"
    "{\n"
    "window.status= \"Pop-up blocked by Velmora: \" + sURL;\n"
    "return null;\n"
    "}\n"
    "function showModalDialog(sURL, vArguments, sFeatures)\n"
    "{\n"
    "window.status= \"Pop-up blocked by Velmora: \" + sURL;\n"
    "return null;\n"
    "}\n"
    "function open(URL, name , features, replace )\n"
    "{\n"
    "window.status= \"Pop-up blocked by Velmora: \" + URL;\n"
    "return null;\n"
    "} //-->\n"
    "</script>\n";

namespace {

const char* const kImageTypes[] = {".gif", ".cgi", ".jpg", ".jpe", ".bmp", ".pcx",
                                   ".art", ".cgm", ".xbm", ".g3f", ".tif", ".png"};

const char kPageHead[] =
    "HTTP/1.0 200 OK\nPragma: no-cache\nLast-Modified: Fri Aug 10, 1999 12:00:00 am GMT\n"
    "Expires: Fri Jan 15, 1999 12:00:00 am GMT\nConnection: close\nContent-Type: text/html\n\n";
const char kImageHead[] =
    "HTTP/1.0 200 OK\nContent-Type: image/%s\nLast-Modified: Fri Jan 15, 1999 00:00:00 GMT\n"
    "Expires: Fri 15 Apr 1999 20:00:00 GMT\nPragma: no-cache\nConnection: close\n"
    "Content-Length: %lu\n\n";

bool RemoveLines(std::vector<std::string>& lines, bool (*drop)(const std::string&, const std::string&),
                 const std::string& arg) {
    if (lines.empty()) return false;
    auto kept = std::remove_if(lines.begin() + 1, lines.end(),
                               [&](const std::string& line) { return drop(line, arg); });
    bool removed = kept != lines.end();
    lines.erase(kept, lines.end());
    return removed;
}

bool IsCrossSiteReferer(const std::string& line, const std::string& domain) {
    return (proxy::HeaderNameIs(line, "referer") || proxy::HeaderNameIs(line, "referrer")) &&
           proxy::ToLower(line).find(domain) == std::string::npos;
}

bool IsHeader(const std::string& line, const std::string& name) {
    return proxy::HeaderNameIs(line, name.c_str());
}

// Counts an opening or closing of one element kind, never below 0.
void Count(const std::string& tag, const char* open, const char* close, int& depth) {
    if (tag.compare(0, 5, close) == 0) {
        if (depth > 0) --depth;
    } else if (tag.compare(0, 4, open) == 0) {
        ++depth;
    }
}

}  // namespace

std::string SiteDomain(const std::string& host) {
    if (std::count(host.begin(), host.end(), '.') < 2) return host;
    return host.substr(host.find('.'));
}

bool RemoveCrossSiteReferer(std::vector<std::string>& lines, const std::string& host) {
    return RemoveLines(lines, &IsCrossSiteReferer, proxy::ToLower(SiteDomain(host)));
}

HeaderFilterResult FilterRequestHeaders(std::vector<std::string>& lines, const std::string& host,
                                        const BlockingOptions& options) {
    HeaderFilterResult result;
    if (options.referer) result.refererRemoved = RemoveCrossSiteReferer(lines, host);
    bool cookie = options.cookie && RemoveLines(lines, &IsHeader, "cookie");
    bool agent = options.userAgent && RemoveLines(lines, &IsHeader, "user-agent");
    result.changed = result.refererRemoved || cookie || agent;
    return result;
}

bool IsImagePath(const std::string& path) {
    const std::string lower = proxy::ToLower(path.substr(0, path.find('?')));
    for (const char* type : kImageTypes)
        if (lower.find(type) != std::string::npos) return true;
    return false;
}

bool IsInsideScript(size_t position, const proxy::MarkupScan& scan, bool scriptResponse) {
    if (scriptResponse) return true;
    int xmp = 0, pre = 0, code = 0, text = 0, script = 0;
    for (size_t i = 0; i < scan.tags.size() && scan.positions[i] <= position; ++i) {
        const std::string& tag = scan.tags[i];
        Count(tag, "<xmp", "</xmp", xmp);
        Count(tag, "<pre", "</pre", pre);
        Count(tag, "<cod", "</cod", code);
        Count(tag, "<tex", "</tex", text);
        Count(tag, "<scr", "</scr", script);
    }
    return xmp == 0 && pre == 0 && code == 0 && text == 0 && script > 0;
}

bool RewriteDocumentReferrer(std::string& body, const std::string& lower,
                             const proxy::MarkupScan& scan, bool scriptResponse) {
    static const char kName[] = "document.referrer";
    const size_t length = sizeof kName - 1;
    bool changed = false;
    for (size_t at = lower.find(kName); at != std::string::npos; at = lower.find(kName, at + length)) {
        if (!IsInsideScript(at, scan, scriptResponse)) continue;
        body.replace(at + length - 8, 8, "Referrer");
        changed = true;
    }
    return changed;
}

bool InjectPopupScript(std::string& body, const std::string& lower) {
    if (!proxy::IsScriptablePage(lower)) return false;
    body.insert(proxy::PageScriptOffset(lower), kPopupScript);
    return true;
}

std::string BlockReply(const std::string& filePath, const std::string& content) {
    if (content.empty()) return std::string();
    const std::string lowerPath = proxy::ToLower(filePath);
    if (lowerPath.find(".htm") != std::string::npos) return kPageHead + content;
    const size_t slash = lowerPath.find_last_of("\\/");
    const size_t dot = lowerPath.rfind('.');
    std::string type = (dot == std::string::npos || (slash != std::string::npos && dot < slash))
                           ? "gif"
                           : lowerPath.substr(dot + 1);
    if (type.find("jpg") != std::string::npos) type = "jpeg";
    char head[sizeof kImageHead + 64];
    std::snprintf(head, sizeof head, kImageHead, type.c_str(),
                  static_cast<unsigned long>(content.size()));
    return head + content;
}

}  // namespace privacy
