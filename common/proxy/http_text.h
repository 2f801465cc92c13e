#pragma once
// Text routines of the local proxies: heads cut into lines, request lines
// taken apart, header names, markup tags, chunk sizes, the length header.
// No platform calls.
#include <cstddef>
#include <string>
#include <vector>

namespace proxy {

// Content classes of a response; HTML and script gain kClassText.
enum : unsigned { kClassHtml = 1, kClassScript = 2, kClassOther = 4, kClassText = 8 };

// Splits `text` (up to its end or first line feed) at any of `separators`;
// empty tokens are dropped. Returns the number of tokens.
size_t TokenizeString(const std::string& text, const char* separators,
                      std::vector<std::string>& tokens);

// The parts of one request line.
struct RequestLine {
    std::string line;         // as received
    std::string method;
    std::string url;          // without its scheme
    std::string version;
    std::string hostAndPort;
    std::string path;
    std::string host;
    int port = 80;            // 0 when the line named a port that is no port
    bool tunnel = false;      // CONNECT
    bool secure = false;      // the URL named the https scheme
};

// Takes a request line apart: "CONNECT host[:port] version" or
// "METHOD http://host[:port][/path] version"; anything else, and a host
// name holding control bytes, leaves the host empty. A URL without a path
// gets "/".
RequestLine ParseURL(const std::string& line);

// Offset just behind the empty line that ends a head (a line feed, an
// optional carriage return, a line feed), searching from `from`; npos when
// the head is not complete yet.
size_t FindHeadEnd(const std::string& bytes, size_t from = 0);
bool IsHeaderComplete(const std::string& bytes);

// Cuts the head off the front of `bytes` into `lines`, each with its own
// line end; the empty line that ends the head is not kept. Empty lines in
// front of the head are dropped from `bytes` first. False (nothing else
// changed) while the head is incomplete; true always gives a first line.
bool ParseHeaders(std::string& bytes, std::vector<std::string>& lines);

// Removes line ends from the end of `text` (never its first character) and
// appends CR LF CR LF.
std::string TerminateHeader(std::string text);
std::string JoinLines(const std::vector<std::string>& lines);

// True when `line` is a header named `name` (any case) with ':' right after it.
bool HeaderNameIs(const std::string& line, const char* name);
// The header's value without surrounding blanks and line end.
std::string HeaderValue(const std::string& line);
// Index of the first header line named `name`, or npos. The first line (the
// request or status line) is never a header.
size_t FindHeader(const std::vector<std::string>& lines, const char* name);

// Content-Length as a non-negative number; false when absent. Every
// Content-Length line counts, and each value of a comma list in one: `valid`
// is false unless all of them are the same such number.
bool ReadContentLength(const std::vector<std::string>& lines, unsigned long long& length,
                       bool& valid);
// True when the head gives more than one Content-Length value and they are
// not all the same number: the message has no length it can be framed by.
bool ContentLengthsConflict(const std::vector<std::string>& lines);
// True when the last transfer coding named is "chunked".
bool IsChunked(const std::vector<std::string>& lines);

// The status code of a status line: the number behind the first blank
// after "HTTP/" (any case); 0 when there is none.
int ParseStatus(const std::string& statusLine);

// True when the message in `lines` (a request or a response head) ends its
// connection: a Connection or Proxy-Connection header names "close", or the
// version is below HTTP/1.1 and none names "keep-alive".
bool EndsConnection(const std::vector<std::string>& lines);

// The content class from the Content-Type header: none gives HTML; XML
// types (text/xml, application/xml, any "+xml") are never filtered.
unsigned ContentClassOf(const std::vector<std::string>& lines);

// Replaces the first Content-Length line by one with `length`, keeping its
// line end, and drops any other, so the head carries one length. False when
// there is none.
bool RewriteContentLength(std::vector<std::string>& lines, unsigned long long length);

// True when the line's first token is one of GET, HEAD, PUT, DELETE.
bool IsHttpMethod(const std::string& line);
// True for the methods a request may be sent again with unasked: GET, HEAD,
// OPTIONS, PUT, DELETE, TRACE (exactly so spelt).
bool IsIdempotentMethod(const std::string& method);

// Position after the next '>' at or after `start`, 0 when none; `tag` gets
// the text from `start` through that '>' lower-cased.
size_t ReadTag(const char* text, size_t length, size_t start, std::string& tag);

// Tags of interest found by ScanMarkup, with the positions behind them.
struct MarkupScan {
    std::vector<std::string> tags;
    std::vector<size_t> positions;
};
// Position after the next closing script tag from `start`, recording it;
// `length` when there is none.
size_t FindScriptEnd(const char* text, size_t length, size_t start, MarkupScan& scan);
// Records the script, xmp, meta, pre, code and text tags (opening and
// closing); markup inside scripts is not scanned.
void ScanMarkup(const char* text, size_t length, MarkupScan& scan);

// Size of one chunk-size line ("1a", "1a;ext", with its line end or not);
// -1 when the line holds no hexadecimal size or one above kMaxChunkSize.
constexpr long long kMaxChunkSize = 0x7fffffffLL;
long long ReadChunkSize(const std::string& line);

// Reads a chunked body piece by piece, however the pieces are split.
class ChunkDecoder {
public:
    enum State { SizeLine, Data, DataEnd, Trailer, Done, Error };

    // Consumes bytes of `data` up to the end of the body; payload bytes are
    // appended to `payload` when given. Returns the number consumed.
    size_t Feed(const char* data, size_t size, std::string* payload);
    State state() const { return state_; }
    // Trailer lines after the last chunk, each with its line end.
    const std::string& trailers() const { return trailers_; }
    void Reset();

private:
    State state_ = SizeLine;
    std::string line_;
    std::string trailers_;
    long long remaining_ = 0;
};

// True when a lower-cased body reads as a page a script may be put in
// front of: it holds "<html>" or "<body", or a "<scr" that is neither its
// first bytes nor right behind a quote.
bool IsScriptablePage(const std::string& lower);
// Where a script goes in front of a lower-cased page: behind a leading
// document type declaration (after any byte-order mark, XML declaration,
// blanks and comments; with its internal subset), so the page keeps its
// standards mode; else 0.
size_t PageScriptOffset(const std::string& lower);

// Drops the request's Accept-Encoding lines that offer gzip, so sites
// answer uncompressed; the request line stays.
void DropGzipEncoding(std::vector<std::string>& lines);

// Lower-cases ASCII letters.
std::string ToLower(std::string text);

// The text for one socket error code; empty for 0.
std::string SocketErrorText(int code);

}  // namespace proxy
