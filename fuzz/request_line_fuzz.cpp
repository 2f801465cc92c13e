// Request lines: tokens, the parts of a request line, the method test.
#include "common/proxy/http_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line = fuzz::Text(data, size);
    std::vector<std::string> tokens;
    const size_t count = proxy::TokenizeString(line, " \t\r\n", tokens);
    FUZZ_CHECK(count == tokens.size());
    for (const std::string& token : tokens) {
        FUZZ_CHECK(!token.empty());
        FUZZ_CHECK(token.find_first_of(" \t\r\n") == std::string::npos);
    }
    const proxy::RequestLine request = proxy::ParseURL(line);
    FUZZ_CHECK(request.port >= 0 && request.port <= 65535);
    if (!request.host.empty()) {
        FUZZ_CHECK(count == 3);
        FUZZ_CHECK(request.host.find('\0') == std::string::npos);
    }
    proxy::IsHttpMethod(line);
    return 0;
}
