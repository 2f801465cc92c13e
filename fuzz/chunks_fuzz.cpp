// Chunked bodies: the same payload however the bytes are split, never more
// payload than input, sizes within their limit.
#include "common/proxy/http_text.h"
#include "fuzz/fuzz_check.h"

namespace {

struct Decoded {
    std::string payload;
    size_t consumed = 0;
    proxy::ChunkDecoder::State state = proxy::ChunkDecoder::SizeLine;
};

Decoded Decode(const std::vector<std::string>& pieces) {
    Decoded out;
    proxy::ChunkDecoder decoder;
    for (const std::string& piece : pieces) {
        size_t used = decoder.Feed(piece.data(), piece.size(), &out.payload);
        FUZZ_CHECK(used <= piece.size());
        out.consumed += used;
        if (used < piece.size()) break;
    }
    out.state = decoder.state();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::SplitInput input = fuzz::Split(data, size);
    const long long chunk = proxy::ReadChunkSize(input.text);
    FUZZ_CHECK(chunk == -1 || (chunk >= 0 && chunk <= proxy::kMaxChunkSize));
    const Decoded whole = Decode({input.text});
    const Decoded split = Decode(input.pieces);
    FUZZ_CHECK(whole.payload.size() <= whole.consumed);
    FUZZ_CHECK(whole.payload == split.payload);
    FUZZ_CHECK(whole.state == split.state);
    FUZZ_CHECK(whole.consumed == split.consumed);
    return 0;
}
