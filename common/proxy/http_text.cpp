#include "common/proxy/http_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace proxy {
namespace {

bool IEquals(const std::string& a, const char* b) {
    size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IStartsWith(const std::string& text, const char* prefix) {
    size_t n = std::strlen(prefix);
    return text.size() >= n && IEquals(text.substr(0, n), prefix);
}

std::string LineEnd(const std::string& line) {
    size_t end = line.size();
    while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n')) --end;
    return line.substr(end);
}

// Parses all of `text` as a decimal number below 65536; 0 when it is not.
int ParsePort(const std::string& text) {
    if (text.empty() || text.size() > 5) return 0;
    int port = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        port = port * 10 + (c - '0');
    }
    return port <= 65535 ? port : 0;
}

// text/xml, application/xml and any type ending in "+xml" (lower-cased
// header value, parameters allowed).
bool IsXmlMediaType(const std::string& value) {
    const std::string type = value.substr(0, value.find_first_of("; \t"));
    return type == "text/xml" || type == "application/xml" ||
           (type.size() > 4 && type.compare(type.size() - 4, 4, "+xml") == 0);
}

// One Content-Length value: decimal digits alone, at most 15 of them.
bool ParseLength(const std::string& value, unsigned long long& length) {
    length = 0;
    if (value.empty() || value.size() > 15) return false;
    for (char c : value) {
        if (c < '0' || c > '9') return false;
        length = length * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

// Reads every Content-Length value of the head (each line, and each value of
// a comma list); returns how many there are. `length` is the first one;
// `valid` is true when all are the same number.
size_t ReadContentLengths(const std::vector<std::string>& lines, unsigned long long& length,
                          bool& valid) {
    size_t count = 0;
    valid = true;
    length = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (!HeaderNameIs(lines[i], "content-length")) continue;
        const std::string value = HeaderValue(lines[i]);
        for (size_t begin = 0;;) {
            const size_t comma = value.find(',', begin);
            std::string one = value.substr(begin, comma == std::string::npos ? comma : comma - begin);
            one.erase(0, one.find_first_not_of(" \t"));
            one.erase(one.find_last_not_of(" \t") + 1);
            unsigned long long n = 0;
            const bool ok = ParseLength(one, n);
            if (count++ == 0) length = n;
            valid = valid && ok && n == length;
            if (comma == std::string::npos) break;
            begin = comma + 1;
        }
    }
    return count;
}

const char* const kMethods[] = {"GET", "HEAD", "PUT", "DELETE"};
const char* const kIdempotentMethods[] = {"GET", "HEAD", "OPTIONS", "PUT", "DELETE", "TRACE"};
const char* const kMarkupTags[] = {"<scr", "</scr", "<xmp", "</xmp", "<met", "</met",
                                   "<pre", "</pre", "<code", "</code", "<text", "</text"};

}  // namespace

bool IsScriptablePage(const std::string& lower) {
    if (lower.find("<html>") != std::string::npos || lower.find("<body") != std::string::npos)
        return true;
    size_t scr = lower.find("<scr");
    return scr != std::string::npos && scr != 0 && lower[scr - 1] != '\'' && lower[scr - 1] != '"';
}

size_t PageScriptOffset(const std::string& lower) {
    size_t at = lower.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;
    for (bool first = true;; first = false) {
        at = lower.find_first_not_of(" \t\r\n\f", at);
        if (at == std::string::npos) return 0;
        size_t end = std::string::npos;
        if (lower.compare(at, 4, "<!--") == 0) {
            end = lower.find("-->", at + 4);
            if (end != std::string::npos) end += 3;
        } else if (first && lower.compare(at, 5, "<?xml") == 0) {
            end = lower.find("?>", at + 5);
            if (end != std::string::npos) end += 2;
        } else {
            break;
        }
        if (end == std::string::npos) return 0;
        at = end;
    }
    if (lower.compare(at, 9, "<!doctype") != 0) return 0;
    size_t close = lower.find_first_of("<>[", at + 9);
    if (close != std::string::npos && lower[close] == '[') {
        // The internal subset holds declarations of its own, '<' and '>' included.
        close = lower.find(']', close);
        if (close != std::string::npos) close = lower.find_first_not_of(" \t\r\n\f", close + 1);
    }
    return close == std::string::npos || lower[close] != '>' ? 0 : close + 1;
}

void DropGzipEncoding(std::vector<std::string>& lines) {
    if (lines.empty()) return;
    lines.erase(std::remove_if(lines.begin() + 1, lines.end(),
                               [](const std::string& line) {
                                   return HeaderNameIs(line, "accept-encoding") &&
                                          ToLower(line).find("gzip") != std::string::npos;
                               }),
                lines.end());
}

std::string ToLower(std::string text) {
    // Every byte is written, so the loop runs many bytes at a time: whole
    // pages go through here.
    for (char& c : text) c = static_cast<char>(c + (static_cast<unsigned>(c - 'A') < 26u ? 'a' - 'A' : 0));
    return text;
}

size_t TokenizeString(const std::string& text, const char* separators,
                      std::vector<std::string>& tokens) {
    tokens.clear();
    std::string token;
    for (char c : text) {
        // strchr would find the set's own terminator: a zero byte is text.
        if (c == '\n' || (c != '\0' && std::strchr(separators, c) != nullptr)) {
            if (!token.empty()) tokens.push_back(token);
            token.clear();
            if (c == '\n') return tokens.size();
        } else {
            token += c;
        }
    }
    if (!token.empty()) tokens.push_back(token);
    return tokens.size();
}

RequestLine ParseURL(const std::string& line) {
    RequestLine r;
    r.line = line;
    std::vector<std::string> tokens;
    if (TokenizeString(line, " \t\r\n", tokens) != 3) return r;
    r.method = tokens[0];
    r.version = tokens[2];
    if (IEquals(tokens[0], "connect")) {
        r.tunnel = true;
        r.hostAndPort = tokens[1];
    } else {
        const std::string& url = tokens[1];
        if (IStartsWith(url, "http://")) {
            r.url = url.substr(7);
        } else if (IStartsWith(url, "https://")) {
            r.url = url.substr(8);
            r.secure = true;
        }
        if (!r.url.empty()) {
            size_t c = r.url.find_first_of("/?");
            if (c == std::string::npos) {
                r.hostAndPort = r.url;
                r.path = "/";
            } else {
                r.hostAndPort = r.url.substr(0, c);
                r.path = r.url[c] == '/' ? r.url.substr(c) : "/" + r.url.substr(c);
            }
        }
    }
    size_t at = r.hostAndPort.rfind('@');
    std::string hostPort = at == std::string::npos ? r.hostAndPort : r.hostAndPort.substr(at + 1);
    size_t colon = hostPort.find(':');
    r.host = hostPort.substr(0, colon);
    // A name with control bytes is no host name: the resolver would read a
    // shorter, other name than the one the line gives.
    for (unsigned char c : r.host) {
        if (c < 0x20 || c == 0x7f) {
            r.host.clear();
            break;
        }
    }
    if (colon != std::string::npos) r.port = ParsePort(hostPort.substr(colon + 1));
    return r;
}

size_t FindHeadEnd(const std::string& bytes, size_t from) {
    for (size_t i = bytes.find('\n', from); i != std::string::npos; i = bytes.find('\n', i + 1)) {
        size_t j = i + 1;
        if (j < bytes.size() && bytes[j] == '\r') ++j;
        if (j < bytes.size() && bytes[j] == '\n') return j + 1;
    }
    return std::string::npos;
}

bool IsHeaderComplete(const std::string& bytes) {
    return FindHeadEnd(bytes) != std::string::npos;
}

bool ParseHeaders(std::string& bytes, std::vector<std::string>& lines) {
    // Empty lines in front of a head belong to no head: they go first, so
    // the head found behind them is cut whole, and only where it ends.
    size_t begin = 0;
    while (begin < bytes.size() && (bytes[begin] == '\n' || (bytes[begin] == '\r' &&
                                                               begin + 1 < bytes.size() &&
                                                               bytes[begin + 1] == '\n'))) {
        begin += bytes[begin] == '\n' ? 1 : 2;
    }
    bytes.erase(0, begin);
    size_t end = FindHeadEnd(bytes);
    if (end == std::string::npos) return false;
    lines.clear();
    for (size_t start = 0;;) {
        size_t lf = bytes.find('\n', start);
        std::string line = bytes.substr(start, lf + 1 - start);
        start = lf + 1;
        if (line == "\n" || line == "\r\n") break;
        lines.push_back(line);
    }
    bytes.erase(0, end);
    return true;
}

std::string TerminateHeader(std::string text) {
    while (text.size() > 1 && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return text + "\r\n\r\n";
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

bool HeaderNameIs(const std::string& line, const char* name) {
    size_t n = std::strlen(name);
    return IStartsWith(line, name) && n < line.size() && line[n] == ':';
}

std::string HeaderValue(const std::string& line) {
    size_t colon = line.find(':');
    if (colon == std::string::npos) return std::string();
    size_t begin = line.find_first_not_of(" \t", colon + 1);
    if (begin == std::string::npos) return std::string();
    size_t end = line.find_last_not_of(" \t\r\n");
    return end < begin ? std::string() : line.substr(begin, end + 1 - begin);
}

size_t FindHeader(const std::vector<std::string>& lines, const char* name) {
    for (size_t i = 1; i < lines.size(); ++i)
        if (HeaderNameIs(lines[i], name)) return i;
    return std::string::npos;
}

bool ReadContentLength(const std::vector<std::string>& lines, unsigned long long& length,
                       bool& valid) {
    return ReadContentLengths(lines, length, valid) > 0;
}

bool ContentLengthsConflict(const std::vector<std::string>& lines) {
    unsigned long long length = 0;
    bool valid = true;
    return ReadContentLengths(lines, length, valid) > 1 && !valid;
}

bool IsChunked(const std::vector<std::string>& lines) {
    std::string last;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (!HeaderNameIs(lines[i], "transfer-encoding")) continue;
        std::vector<std::string> codings;
        if (TokenizeString(ToLower(HeaderValue(lines[i])), ", \t", codings) > 0) last = codings.back();
    }
    return last == "chunked";
}

int ParseStatus(const std::string& statusLine) {
    std::string lower = ToLower(statusLine);
    size_t http = lower.find("http/");
    if (http == std::string::npos) return 0;
    size_t blank = lower.find(' ', http);
    if (blank == std::string::npos) return 0;
    int status = 0;
    for (size_t i = blank + 1; i < lower.size() && lower[i] >= '0' && lower[i] <= '9' && status < 1000; ++i)
        status = status * 10 + (lower[i] - '0');
    return status;
}

bool EndsConnection(const std::vector<std::string>& lines) {
    if (lines.empty()) return false;
    bool close = false, keepAlive = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (!HeaderNameIs(lines[i], "connection") && !HeaderNameIs(lines[i], "proxy-connection")) continue;
        std::vector<std::string> options;
        TokenizeString(ToLower(HeaderValue(lines[i])), ", \t", options);
        for (const std::string& option : options) {
            close = close || option == "close";
            keepAlive = keepAlive || option == "keep-alive";
        }
    }
    if (close) return true;
    // A status line starts with its version, a request line ends with it.
    std::vector<std::string> tokens;
    if (TokenizeString(lines[0], " \t\r", tokens) == 0) return false;
    const std::string version = ToLower(IStartsWith(tokens[0], "http/") ? tokens[0] : tokens.back());
    return !keepAlive && (version == "http/1.0" || version == "http/0.9");
}

unsigned ContentClassOf(const std::vector<std::string>& lines) {
    size_t i = FindHeader(lines, "content-type");
    unsigned cls = kClassHtml;
    if (i != std::string::npos) {
        std::string type = ToLower(lines[i]);
        cls = kClassOther;
        if (type.find("text/") != std::string::npos)
            cls = type.find("x-component") != std::string::npos ? kClassOther : kClassText;
        if (type.find("html") != std::string::npos) cls = kClassHtml;
        if (type.find("image") != std::string::npos) cls = kClassOther;
        if (type.find("javascript") != std::string::npos || type.find("jscript") != std::string::npos)
            cls = kClassScript;
        // An XML parser rejects anything put in front of its document.
        if (IsXmlMediaType(HeaderValue(type))) cls = kClassOther;
    }
    if (cls == kClassHtml || cls == kClassScript) cls |= kClassText;
    return cls;
}

bool RewriteContentLength(std::vector<std::string>& lines, unsigned long long length) {
    size_t i = FindHeader(lines, "content-length");
    if (i == std::string::npos) return false;
    lines[i] = "Content-Length: " + std::to_string(length) + LineEnd(lines[i]);
    lines.erase(std::remove_if(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end(),
                               [](const std::string& line) { return HeaderNameIs(line, "content-length"); }),
                lines.end());
    return true;
}

bool IsHttpMethod(const std::string& line) {
    std::vector<std::string> tokens;
    if (TokenizeString(line, " \t\r", tokens) == 0) return false;
    for (const char* method : kMethods)
        if (IEquals(tokens[0], method)) return true;
    return false;
}

bool IsIdempotentMethod(const std::string& method) {
    for (const char* idempotent : kIdempotentMethods)
        if (method == idempotent) return true;
    return false;
}

size_t ReadTag(const char* text, size_t length, size_t start, std::string& tag) {
    for (size_t i = start; i < length; ++i) {
        if (text[i] == '>') {
            tag = ToLower(std::string(text + start, i + 1 - start));
            return i + 1;
        }
    }
    return 0;
}

size_t FindScriptEnd(const char* text, size_t length, size_t start, MarkupScan& scan) {
    for (size_t i = start; i + 1 < length; ++i) {
        if (text[i] != '<' || text[i + 1] != '/') continue;
        std::string tag;
        size_t next = ReadTag(text, length, i, tag);
        if (next == 0) return length;
        if (tag.compare(0, 5, "</scr") == 0) {
            scan.tags.push_back(tag);
            scan.positions.push_back(i);
            return next;
        }
    }
    return length;
}

void ScanMarkup(const char* text, size_t length, MarkupScan& scan) {
    size_t pos = 0;
    while (pos < length) {
        const void* lt = std::memchr(text + pos, '<', length - pos);
        if (lt == nullptr) return;
        size_t at = static_cast<const char*>(lt) - text;
        std::string tag;
        size_t next = ReadTag(text, length, at, tag);
        if (next == 0) return;
        pos = next;
        for (const char* entry : kMarkupTags) {
            if (tag.compare(0, 4, entry, 4) != 0) continue;
            scan.tags.push_back(tag);
            scan.positions.push_back(next);
            if (tag.compare(0, 4, "<scr") == 0) pos = FindScriptEnd(text, length, next, scan);
            break;
        }
    }
}

long long ReadChunkSize(const std::string& line) {
    size_t i = 0;
    while (i < line.size() && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    long long size = 0;
    size_t digits = 0;
    for (; i < line.size(); ++i, ++digits) {
        char c = line[i];
        int v = c >= '0' && c <= '9' ? c - '0'
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
              : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (v < 0) break;
        size = size * 16 + v;
        if (size > kMaxChunkSize) return -1;
    }
    if (digits == 0) return -1;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] != ';' && line[i] != '\r' && line[i] != '\n') return -1;
    return size;
}

void ChunkDecoder::Reset() {
    state_ = SizeLine;
    line_.clear();
    trailers_.clear();
    remaining_ = 0;
}

size_t ChunkDecoder::Feed(const char* data, size_t size, std::string* payload) {
    const size_t kMaxLine = 8192;
    size_t i = 0;
    while (i < size && state_ != Done && state_ != Error) {
        char c = data[i];
        switch (state_) {
        case SizeLine:
        case Trailer:
            ++i;
            line_ += c;
            if (c != '\n') {
                if (line_.size() > kMaxLine) state_ = Error;
                break;
            }
            if (state_ == Trailer) {
                if (line_ == "\n" || line_ == "\r\n") state_ = Done;
                else trailers_ += line_;
            } else if (line_ != "\n" && line_ != "\r\n") {
                remaining_ = ReadChunkSize(line_);
                state_ = remaining_ < 0 ? Error : remaining_ == 0 ? Trailer : Data;
            }
            line_.clear();
            break;
        case Data: {
            size_t take = static_cast<size_t>(
                std::min<long long>(remaining_, static_cast<long long>(size - i)));
            if (payload != nullptr) payload->append(data + i, take);
            i += take;
            remaining_ -= static_cast<long long>(take);
            if (remaining_ == 0) state_ = DataEnd;
            break;
        }
        case DataEnd:
            ++i;
            if (c == '\n') state_ = SizeLine;
            else if (c != '\r' || !line_.empty()) state_ = Error;
            else line_ = "\r";
            if (state_ != DataEnd) line_.clear();
            break;
        default:
            break;
        }
    }
    return i;
}

std::string SocketErrorText(int code) {
    switch (code) {
    case 0: return std::string();
    case 10013: return "The requested address is a broadcast address, but the appropriate flag was not set.";
    case 10014: return "The lpBuf argument is not in a valid part of the user address space.";
    case 10022: return "The socket has not been bound with Bind.";
    case 10035: return "The socket is marked as nonblocking and the requested operation would block.";
    case 10036: return "A blocking Windows Sockets operation is in progress.";
    case 10038: return "The descriptor is not a socket.";
    case 10040: return "The socket is of type SOCK_DGRAM, and the datagram is larger than the maximum supported by the Windows Sockets implementation.";
    case 10045: return "MSG_OOB was specified, but the socket is not of type SOCK_STREAM.";
    case 10050: return "The Windows Sockets implementation detected that the network subsystem failed.";
    case 10052: return "The connection must be reset because the Windows Sockets implementation dropped it.";
    case 10053: return "The virtual circuit was aborted due to timeout or other failure.";
    case 10054: return "Connection reset";
    case 10055: return "The Windows Sockets implementation reports a buffer deadlock.";
    case 10057: return "The socket is not connected.";
    case 10058: return "The socket has been shut down.";
    default: {
        char text[64];
        std::snprintf(text, sizeof text, "Winsock error = (%u)", static_cast<unsigned>(code));
        return text;
    }
    }
}

}  // namespace proxy
