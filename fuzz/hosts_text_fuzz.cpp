// HOSTS text: reading lines always advances, host columns stay short, and
// the ad block comes out exactly as it went in.
#include "fuzz/fuzz_check.h"
#include "common/hosts/hosts_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    for (size_t at = 0; at < text.size();) {
        std::string line;
        const size_t next = hosts::ReadHostsLine(text, at, line);
        FUZZ_CHECK(next > at && next <= text.size());
        FUZZ_CHECK(line.size() <= 519);
        FUZZ_CHECK(hosts::ParseHostsLine(line).size() <= 255);
        at = next;
    }
    hosts::TextMapsHost(text, "VelmoraBlinkward");
    const std::string withBlock = hosts::WithAdBlock(text, "127.0.0.1\tads.example\n");
    FUZZ_CHECK(hosts::TextMapsHost(withBlock, "ads.example"));
    FUZZ_CHECK(hosts::WithAdBlock(withBlock, "127.0.0.1\tads.example\n") == withBlock);
    // Taking the block out again gives the file without a block, its last
    // line now ended.
    const std::string before = hosts::WithoutAdBlock(text);
    const std::string after = hosts::WithoutAdBlock(withBlock);
    FUZZ_CHECK(after.compare(0, before.size(), before) == 0);
    FUZZ_CHECK(after.size() - before.size() <= 2);
    return 0;
}
