#include "common/proxy/response_relay.h"

#include <algorithm>
#include <cstdio>

namespace proxy {
namespace {

// A head longer than this is no head: the bytes pass unchanged.
const size_t kMaxHead = 64 * 1024;
// Body bytes examined for binary content before a held body counts as text.
const size_t kSniffBytes = 32;

bool StartsLikeHead(const std::string& bytes) {
    const char kPrefix[] = "http/";
    size_t n = std::min(bytes.size(), sizeof kPrefix - 1);
    return ToLower(bytes.substr(0, n)) == std::string(kPrefix, n);
}

std::string ChunkOf(const char* data, size_t size) {
    char head[24];
    std::snprintf(head, sizeof head, "%zx\r\n", size);
    return head + std::string(data, size) + "\r\n";
}

}  // namespace

bool ResponseFilter::FilterHeaders(std::vector<std::string>&) { return false; }

void ResponseRelay::ExpectResponse(const std::string& method,
                                   std::shared_ptr<ResponseFilter> filter, bool lastRequest) {
    Pending p;
    p.last = lastRequest;
    p.head = ToLower(method) == "head";
    p.connect = ToLower(method) == "connect";
    p.filter = std::move(filter);
    pending_.push_back(std::move(p));
}

bool ResponseRelay::Idle() const {
    return state_ == AwaitHead && in_.empty() && pending_.empty();
}

ResponseRelay::Result ResponseRelay::OnServerData(const char* data, size_t size, std::string& out) {
    in_.append(data, size);
    for (;;) {
        if (state_ == Tunnel) {
            out += in_;
            in_.clear();
            return Continue;
        }
        if (state_ == AwaitHead) {
            if (in_.empty()) return Continue;
            if (!StartsLikeHead(in_)) {
                size_t first = in_.find_first_not_of(" \t\r\n");
                if (first == std::string::npos) return Continue;
                Pending p;
                p.filter = lastFilter_;
                if (!pending_.empty()) {
                    p = pending_.front();
                    pending_.pop_front();
                }
                headerless_ = true;
                status_ = 200;
                if (in_[first] != '<') p.filter.reset();
                DecideBody(p, out);
                framing_ = UntilClose;
            } else if (!ParseResponseHeader(out)) {
                if (in_.size() > kMaxHead) PassThrough();
                return Continue;
            }
            continue;
        }
        if (!error_) ConsumeBody(out);
        if (error_) {
            if (held_) ForwardResponseData(out, false);
            ResetRequest();
            in_.clear();
            return Close;
        }
        if (state_ == Body) return Continue;
    }
}

size_t ResponseRelay::TakeUnchanged(size_t size) {
    if (!in_.empty()) return 0;
    if (state_ == Tunnel) return size;
    if (state_ != Body || held_ || rechunk_) return 0;
    if (framing_ == UntilClose) return size;
    if (framing_ != Length) return 0;
    size_t take = static_cast<size_t>(std::min<unsigned long long>(remaining_, size));
    remaining_ -= take;
    if (remaining_ == 0) EndResponse();
    return take;
}

bool ResponseRelay::ParseResponseHeader(std::string& out) {
    size_t end = FindHeadEnd(in_);
    if (end == std::string::npos) return false;
    rawHead_ = in_.substr(0, end);
    ParseHeaders(in_, lines_);
    status_ = lines_.empty() ? 0 : ParseStatus(lines_[0]);
    if (status_ >= 100 && status_ < 200) {
        out += rawHead_;
        if (status_ == 101) {
            if (!pending_.empty()) pending_.pop_front();
            PassThrough();
        }
        ResetRequest();
        return true;
    }
    Pending p;
    p.filter = lastFilter_;
    if (!pending_.empty()) {
        p = pending_.front();
        pending_.pop_front();
    }
    if (p.connect && status_ >= 200 && status_ < 300) {
        out += rawHead_;
        ResetRequest();
        PassThrough();
        return true;
    }
    if (p.head || status_ == 204 || status_ == 304) {
        framing_ = NoBody;
    } else if (IsChunked(lines_)) {
        framing_ = Chunked;
    } else if (ContentLengthsConflict(lines_)) {
        // No length frames the body: the response is refused, and the
        // connection that brought it ends.
        out += kBadResponseReply;
        error_ = true;
        state_ = Body;
        return true;
    } else {
        bool valid = false;
        framing_ = ReadContentLength(lines_, remaining_, valid) && valid ? Length : UntilClose;
        length_ = remaining_;
    }
    endsConnection_ = p.last || EndsConnection(lines_);
    DecideBody(p, out);
    return true;
}

void ResponseRelay::DecideBody(const Pending& pending, std::string& out) {
    filter_ = pending.filter;
    lastFilter_ = pending.filter;
    class_ = ContentClassOf(lines_);
    headChanged_ = filter_ && filter_->FilterHeaders(lines_);
    ResponseInfo info;
    info.status = status_;
    info.contentClass = class_;
    info.lines = &lines_;
    held_ = filter_ && framing_ != NoBody && status_ >= 200 && status_ < 300 && status_ != 204 &&
            FindHeader(lines_, "content-encoding") == std::string::npos && filter_->WantsBody(info);
    if (!held_) SendResponseHeader(out);
    state_ = Body;
}

void ResponseRelay::ConsumeBody(std::string& out) {
    switch (framing_) {
    case NoBody:
        Complete(out);
        break;
    case Length: {
        size_t take = static_cast<size_t>(std::min<unsigned long long>(remaining_, in_.size()));
        Deliver(in_.data(), take, out);
        in_.erase(0, take);
        remaining_ -= take;
        if (remaining_ == 0) Complete(out);
        break;
    }
    case Chunked: {
        size_t used;
        if (held_ || rechunk_) {
            std::string payload;
            used = chunks_.Feed(in_.data(), in_.size(), &payload);
            Deliver(payload.data(), payload.size(), out);
        } else {
            used = chunks_.Feed(in_.data(), in_.size(), nullptr);
            out.append(in_, 0, used);
        }
        in_.erase(0, used);
        if (chunks_.state() == ChunkDecoder::Error) error_ = true;
        else if (chunks_.state() == ChunkDecoder::Done) Complete(out);
        break;
    }
    case UntilClose:
        Deliver(in_.data(), in_.size(), out);
        in_.clear();
        break;
    }
}

void ResponseRelay::Deliver(const char* data, size_t size, std::string& out) {
    if (size == 0) return;
    if (held_) {
        for (size_t i = 0; i < size && sniffed_ < kSniffBytes; ++i, ++sniffed_) {
            if (static_cast<unsigned char>(data[i]) < 9) {
                Release(out);
                break;
            }
        }
        if (held_ && body_.size() + size > heldCap_) Release(out);
        if (held_) {
            body_.append(data, size);
            return;
        }
    }
    if (rechunk_) out += ChunkOf(data, size);
    else out.append(data, size);
}

void ResponseRelay::Release(std::string& out) {
    held_ = false;
    SendResponseHeader(out);
    rechunk_ = framing_ == Chunked;
    std::string body;
    body.swap(body_);
    Deliver(body.data(), body.size(), out);
}

void ResponseRelay::ForwardResponseData(std::string& out, bool complete) {
    ResponseInfo info;
    info.status = status_;
    info.contentClass = class_;
    info.lines = &lines_;
    const size_t arrived = body_.size();
    bool changed = filter_->FilterBody(info, body_);
    const bool cutChunks = !complete && framing_ == Chunked && !headerless_;
    if (!headerless_) {
        std::string before = JoinLines(lines_);
        if (!complete) {
            // The length the site announced grows by what the filter added.
            if (framing_ == Length) RewriteContentLength(lines_, length_ - arrived + body_.size());
        } else if (framing_ == Chunked) {
            // The body goes out whole: its length replaces the chunked coding.
            std::vector<std::string> lines;
            bool replaced = false;
            for (size_t i = 0; i < lines_.size(); ++i) {
                const std::string& line = lines_[i];
                bool coding = i > 0 && HeaderNameIs(line, "transfer-encoding");
                if (i > 0 && (HeaderNameIs(line, "content-length") || HeaderNameIs(line, "trailer")))
                    continue;
                if (coding && replaced) continue;
                if (coding) {
                    std::string end = line.substr(line.find_last_not_of("\r\n") + 1);
                    lines.push_back("Content-Length: " + std::to_string(body_.size()) + end);
                    replaced = true;
                } else {
                    lines.push_back(line);
                }
            }
            lines_.swap(lines);
        } else if (changed || framing_ == Length) {
            RewriteContentLength(lines_, body_.size());
        }
        if (JoinLines(lines_) != before) headChanged_ = true;
    }
    SendResponseHeader(out);
    if (cutChunks) {
        if (!body_.empty()) out += ChunkOf(body_.data(), body_.size());
    } else {
        out += body_;
    }
    body_.clear();
    held_ = false;
}

void ResponseRelay::SendResponseHeader(std::string& out) {
    if (headerless_) return;
    out += headChanged_ ? TerminateHeader(JoinLines(lines_)) : rawHead_;
}

void ResponseRelay::Complete(std::string& out) {
    if (held_) ForwardResponseData(out, true);
    else if (rechunk_) out += "0\r\n" + chunks_.trailers() + "\r\n";
    EndResponse();
}

void ResponseRelay::EndResponse() {
    connectionOver_ = endsConnection_;
    ResetRequest();
}

void ResponseRelay::Finish(std::string& out) {
    if (state_ == Body) {
        if (framing_ == UntilClose) {
            ConsumeBody(out);
            Complete(out);
        } else if (held_) {
            ForwardResponseData(out, false);
        }
    } else {
        out += in_;
    }
    in_.clear();
    pending_.clear();
    ResetRequest();
}

void ResponseRelay::ResetRequest() {
    state_ = state_ == Tunnel ? Tunnel : AwaitHead;
    lines_.clear();
    rawHead_.clear();
    headChanged_ = false;
    headerless_ = false;
    status_ = 0;
    class_ = 0;
    framing_ = UntilClose;
    endsConnection_ = false;
    length_ = 0;
    remaining_ = 0;
    chunks_.Reset();
    filter_.reset();
    held_ = false;
    rechunk_ = false;
    sniffed_ = 0;
    body_.clear();
    error_ = false;
}

}  // namespace proxy
