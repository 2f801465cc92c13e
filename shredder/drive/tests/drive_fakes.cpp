// The wipe's test doubles.
#include "shredder/drive/tests/drive_fakes.h"

#include <algorithm>
#include <cstring>

namespace drive_test {

bool MemoryVolume::Read(void* buffer, uint32_t bytes) {
    if (readsFail || bytes % 512 || position_ + bytes > bytes_.size()) return false;
    std::memcpy(buffer, bytes_.data() + position_, bytes);
    position_ += bytes;
    return true;
}

bool MemoryVolume::Write(const void* buffer, uint32_t bytes) {
    if (bytes % 512 || position_ + bytes > bytes_.size() || position_ + bytes > failWritesFrom)
        return false;
    std::memcpy(bytes_.data() + position_, buffer, bytes);
    writes.push_back({position_, bytes});
    position_ += bytes;
    return true;
}

bool RecordingObserver::Reported(int key) const {
    return std::find(reported.begin(), reported.end(), key) != reported.end();
}

Answer RecordingObserver::Report(const DriveMessage& message, const std::string&) {
    reported.push_back(message.key);
    return message.style == MessageStyle::StopYesNo ? confirm : Answer::Ok;
}

void BytePasses::FillPass(int index, uint8_t* buffer) {
    int v = values_[size_t(index)];
    for (uint32_t i = 0; i < kPassBufferSize; ++i)
        buffer[i] = v < 0 ? uint8_t(~buffer[i]) : uint8_t(v);
}

bool FakeEnvironment::FileSystemName(char, std::string* name) {
    if (nameQueryFails) return false;
    *name = fileSystemName;
    return true;
}

namespace {

// Passes the environment's switches on and collects the writes back.
class SharedVolume : public MemoryVolume {
public:
    SharedVolume(FakeEnvironment& env) : MemoryVolume(env.image), env_(env) {
        lockFails = env.lockFails;
        readsFail = env.readsFail;
        failWritesFrom = env.failWritesFrom;
    }
    ~SharedVolume() override {
        env_.writes.insert(env_.writes.end(), writes.begin(), writes.end());
    }

private:
    FakeEnvironment& env_;
};

}  // namespace

std::unique_ptr<RawVolume> FakeEnvironment::OpenVolume(char, FileSystemKind, bool) {
    ++opens;
    if (!image) return nullptr;
    return std::unique_ptr<RawVolume>(new SharedVolume(*this));
}

}  // namespace drive_test
