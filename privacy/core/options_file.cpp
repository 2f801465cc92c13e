#include "privacy/core/options_file.h"

#include "common/browser/file_rewrite.h"
#include "common/files/whole_file.h"
#include "privacy/core/archive.h"

namespace privacy {

const char kOptionsFileName[] = "Options.opt";

namespace {

// Hidden, host (at least its length byte), last access and seven integers.
const size_t kSmallestRecord = 4 + 1 + 4 + 7 * 4;

void WriteRecord(ArchiveWriter& out, const CSiteRecord& r) {
    out.Int(r.hidden);
    out.String(r.host);
    out.Time(r.lastAccess);
    for (int value : {r.hits, r.useDefaults, r.hub, r.wholeSite, r.images, r.popups, r.userInfo})
        out.Int(value);
}

bool ReadRecord(ArchiveReader& in, CSiteRecord& r) {
    int32_t v[8];
    if (!in.Int(v[0]) || !in.String(r.host) || !in.Time(r.lastAccess)) return false;
    for (int i = 1; i < 8; ++i)
        if (!in.Int(v[i])) return false;
    r.hidden = v[0];
    r.hits = v[1];
    r.useDefaults = v[2];
    r.hub = v[3];
    r.wholeSite = v[4];
    r.images = v[5];
    r.popups = v[6];
    r.userInfo = v[7];
    return true;
}

}  // namespace

BlockingOptions CSiteRecord::Options(const BlockingOptions& defaults) const {
    if (useDefaults) return defaults;
    BlockingOptions own;
    own.hub = hub;
    own.wholeSite = wholeSite;
    own.images = images;
    own.popups = popups;
    own.cookie = own.referer = own.userAgent = userInfo;
    return own;
}

std::string WriteOptions(const PrivacySettings& s) {
    ArchiveWriter out;
    out.Int(s.browserIE);
    out.Int(s.browserNetscape);
    out.Int(s.browserOpera);
    for (int flag : s.wipe) out.Int(flag);
    out.String(s.language);
    out.Int(s.defaults.popups);
    out.Int(s.defaults.hub);
    out.Int(s.defaults.images);
    out.Int(s.defaults.cookie);
    out.Int(static_cast<int32_t>(s.sites.size()));
    for (const CSiteRecord& record : s.sites) WriteRecord(out, record);
    return out.bytes();
}

bool ReadOptions(const std::string& bytes, PrivacySettings& s) {
    ArchiveReader in(bytes);
    int32_t v = 0;
    int* flags[] = {&s.browserIE, &s.browserNetscape, &s.browserOpera,
                    &s.wipe[0],   &s.wipe[1],         &s.wipe[2],
                    &s.wipe[3],   &s.wipe[4],         &s.wipe[5]};
    for (int* flag : flags) {
        if (!in.Int(v)) return false;
        *flag = v;
    }
    std::string language;
    if (!in.String(language)) return false;
    s.language = language;
    int* defaults[] = {&s.defaults.popups, &s.defaults.hub, &s.defaults.images,
                       &s.defaults.cookie};
    for (int* option : defaults) {
        if (!in.Int(v)) return false;
        *option = v;
    }
    s.defaults.referer = s.defaults.userAgent = s.defaults.cookie;
    int32_t count = 0;
    if (!in.Int(count) || count < 0) return false;
    // A count the bytes left cannot hold is damage: the records that are
    // there are still read.
    const size_t room = in.left() / kSmallestRecord;
    const size_t readable = static_cast<size_t>(count) < room ? static_cast<size_t>(count) : room;
    for (size_t i = 0; i < readable; ++i) {
        CSiteRecord record;
        if (!ReadRecord(in, record)) return false;
        s.sites.push_back(record);
    }
    return readable == static_cast<size_t>(count) && in.left() == 0;
}

LoadResult LoadOptionsFile(const std::string& path, PrivacySettings& settings) {
    std::string bytes;
    switch (files::ReadWholeFilePatiently(path, bytes)) {
    case files::ReadOutcome::Missing: return LoadResult::Missing;
    case files::ReadOutcome::Unreadable: return LoadResult::Unreadable;
    case files::ReadOutcome::Read: break;
    }
    return ReadOptions(bytes, settings) ? LoadResult::Loaded : LoadResult::Damaged;
}

bool SaveOptionsFile(const std::string& path, const PrivacySettings& settings) {
    return browser::RewriteFile(path, WriteOptions(settings));
}

}  // namespace privacy
