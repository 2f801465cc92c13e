#include "common/proxy/request_framer.h"

#include <algorithm>

namespace proxy {
namespace {
const size_t kMaxRequestHead = 64 * 1024;
}

RequestFramer::Event RequestFramer::Next(std::vector<std::string>& lines, std::string& body) {
    switch (state_) {
    case AwaitHead: {
        // Line ends between requests are no part of either.
        size_t start = in_.find_first_not_of("\r\n");
        in_.erase(0, start == std::string::npos ? in_.size() : start);
        if (!ParseHeaders(in_, lines)) return in_.size() > kMaxRequestHead ? Bad : None;
        unsigned long long length = 0;
        bool valid = true;
        bool hasLength = ReadContentLength(lines, length, valid);
        std::vector<std::string> tokens;
        TokenizeString(lines[0], " \t\r", tokens);
        tunnel_ = !tokens.empty() && ToLower(tokens[0]) == "connect";
        if (tunnel_) {
            state_ = Raw;
        } else if (IsChunked(lines)) {
            chunks_.Reset();
            state_ = ChunkedBody;
        } else if (hasLength) {
            if (!valid) return Bad;
            remaining_ = length;
            state_ = length > 0 ? LengthBody : AwaitHead;
        } else if (!IsHttpMethod(lines[0])) {
            // An unknown method with no framing: what follows passes unparsed
            // until the site answers.
            state_ = Raw;
        }
        return Head;
    }
    case LengthBody: {
        if (in_.empty()) return None;
        size_t take = static_cast<size_t>(std::min<unsigned long long>(remaining_, in_.size()));
        body.assign(in_, 0, take);
        in_.erase(0, take);
        remaining_ -= take;
        if (remaining_ == 0) state_ = AwaitHead;
        return Body;
    }
    case ChunkedBody: {
        if (in_.empty()) return None;
        size_t used = chunks_.Feed(in_.data(), in_.size(), nullptr);
        if (chunks_.state() == ChunkDecoder::Error) return Bad;
        body.assign(in_, 0, used);
        in_.erase(0, used);
        if (chunks_.state() == ChunkDecoder::Done) state_ = AwaitHead;
        return Body;
    }
    case Raw:
        if (in_.empty()) return None;
        body.swap(in_);
        in_.clear();
        return Body;
    }
    return None;
}

}  // namespace proxy
