// The request side of a connection: the same heads and body bytes, in the
// same order, however the browser's bytes are split. (Body bytes that pass
// before the framer finds a body malformed depend on the split: then only
// the heads and the refusal must agree.)
#include <algorithm>

#include "common/proxy/request_framer.h"
#include "fuzz/fuzz_check.h"

namespace {

// Heads as their joined text, each body as one run of bytes, and a final
// mark when the framer gave up.
std::vector<std::string> Frame(const std::vector<std::string>& pieces, size_t inputSize) {
    proxy::RequestFramer framer;
    std::vector<std::string> events;
    size_t bodyBytes = 0;
    for (const std::string& piece : pieces) {
        framer.Append(piece.data(), piece.size());
        for (;;) {
            std::vector<std::string> lines;
            std::string body;
            const proxy::RequestFramer::Event event = framer.Next(lines, body);
            if (event == proxy::RequestFramer::None) break;
            if (event == proxy::RequestFramer::Bad) {
                events.push_back("<bad>");
                return events;
            }
            if (event == proxy::RequestFramer::Head) {
                FUZZ_CHECK(!lines.empty());
                events.push_back("H" + proxy::JoinLines(lines));
            } else {
                bodyBytes += body.size();
                FUZZ_CHECK(bodyBytes <= inputSize);
                if (events.empty() || events.back()[0] != 'B') events.push_back("B");
                events.back() += body;
            }
        }
    }
    return events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::SplitInput input = fuzz::Split(data, size);
    std::vector<std::string> whole = Frame({input.text}, size);
    std::vector<std::string> split = Frame(input.pieces, size);
    const bool bad = !whole.empty() && whole.back() == "<bad>";
    FUZZ_CHECK(bad == (!split.empty() && split.back() == "<bad>"));
    if (bad) {
        auto bodies = [](std::vector<std::string>& events) {
            events.erase(std::remove_if(events.begin(), events.end(),
                                        [](const std::string& e) { return e[0] == 'B'; }),
                         events.end());
        };
        bodies(whole);
        bodies(split);
    }
    FUZZ_CHECK(whole == split);
    return 0;
}
