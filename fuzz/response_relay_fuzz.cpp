// The response side of a connection: the browser receives the same heads
// and the same body bytes however the site's bytes are split, with the
// popup blocker's injection as the body filter. (A chunked body may be cut
// into other chunks: the relay streams what it has.)
#include <memory>

#include "common/proxy/response_relay.h"
#include "fuzz/fuzz_check.h"
#include "popup/engine/injection.h"

namespace {

class Injector : public proxy::ResponseFilter {
public:
    bool WantsBody(const proxy::ResponseInfo& info) const override {
        return (info.contentClass & proxy::kClassHtml) != 0;
    }
    bool FilterBody(const proxy::ResponseInfo&, std::string& body) override {
        return popup::InjectScript(body, "<script>x</script>", true);
    }
};

// The browser's bytes as heads and bodies, each response framed as a
// browser frames it after a request with `method` and then GETs: chunked
// bodies are decoded, so only their payloads and trailers compare.
std::string Normalize(std::string out, const std::string& method) {
    std::string result;
    std::vector<std::string> lines;
    bool first = true;  // the first final response answers `method`
    while (!out.empty() && proxy::ParseHeaders(out, lines)) {
        result += "H:" + proxy::JoinLines(lines);
        const int status = proxy::ParseStatus(lines[0]);
        if (status >= 100 && status < 200) {
            if (status == 101) break;
            continue;
        }
        const bool answersMethod = first;
        first = false;
        if (answersMethod && method == "CONNECT" && status >= 200 && status < 300) break;
        if ((answersMethod && method == "HEAD") || status == 204 || status == 304) continue;
        unsigned long long length = 0;
        bool valid = false;
        if (proxy::IsChunked(lines)) {
            proxy::ChunkDecoder chunks;
            std::string payload;
            out.erase(0, chunks.Feed(out.data(), out.size(), &payload));
            result += "C:" + payload + "T:" + chunks.trailers();
            if (chunks.state() != proxy::ChunkDecoder::Done) return result + "<open chunks>R:" + out;
        } else if (proxy::ReadContentLength(lines, length, valid) && valid && length <= out.size()) {
            result += "B:" + out.substr(0, static_cast<size_t>(length));
            out.erase(0, static_cast<size_t>(length));
        } else {
            break;
        }
    }
    return result + "R:" + out;
}

std::string Relay(const std::vector<std::string>& pieces, const std::string& method) {
    proxy::ResponseRelay relay(4096);
    auto filter = std::make_shared<Injector>();
    relay.ExpectResponse(method, filter);
    relay.ExpectResponse("GET", filter);
    std::string out;
    for (const std::string& piece : pieces) {
        if (relay.OnServerData(piece.data(), piece.size(), out) == proxy::ResponseRelay::Close) {
            return Normalize(out, method) + "<closed>";
        }
    }
    relay.Finish(out);
    return Normalize(out, method);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::SplitInput input = fuzz::Split(data, size);
    if (size == 0) return 0;
    static const char* const kMethods[] = {"GET", "HEAD", "POST", "CONNECT"};
    const std::string method = kMethods[data[0] % 4];
    FUZZ_CHECK(Relay({input.text}, method) == Relay(input.pieces, method));
    return 0;
}
