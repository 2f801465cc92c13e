// Heads: where they end, how they are cut into lines, header lookups and
// the Content-Length rewrite.
#include "common/proxy/http_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes = fuzz::Text(data, size);
    const std::string original = bytes;
    FUZZ_CHECK(proxy::IsHeaderComplete(bytes) == (proxy::FindHeadEnd(bytes) != std::string::npos));
    std::vector<std::string> lines;
    if (!proxy::ParseHeaders(bytes, lines)) return 0;
    FUZZ_CHECK(!lines.empty());
    std::string joined = proxy::JoinLines(lines);
    for (const std::string& line : lines) FUZZ_CHECK(!line.empty() && line.back() == '\n');
    // The head and what follows it are exactly the input, less leading blank lines.
    FUZZ_CHECK(original.size() >= joined.size() + bytes.size());
    FUZZ_CHECK(original.compare(original.size() - bytes.size(), bytes.size(), bytes) == 0);
    FUZZ_CHECK(original.find(joined) != std::string::npos);

    proxy::IsChunked(lines);
    proxy::ContentClassOf(lines);
    const unsigned long long length = static_cast<unsigned long long>(size) * 7919;
    if (proxy::RewriteContentLength(lines, length)) {
        const size_t at = proxy::FindHeader(lines, "Content-Length");
        FUZZ_CHECK(at < lines.size());
        FUZZ_CHECK(proxy::HeaderValue(lines[at]) == std::to_string(length));
        // One length is left, so the head reads as that length alone.
        unsigned long long read = 0;
        bool valid = false;
        FUZZ_CHECK(proxy::ReadContentLength(lines, read, valid) && valid && read == length);
        for (const std::string& line : lines) FUZZ_CHECK(!line.empty() && line.back() == '\n');
    }
    const std::string terminated = proxy::TerminateHeader(proxy::JoinLines(lines));
    FUZZ_CHECK(terminated.size() >= 4 && terminated.compare(terminated.size() - 4, 4, "\r\n\r\n") == 0);
    return 0;
}
