#pragma once
// Stand-ins for the wipe's seams: a volume held in memory, an observer that
// records what it was told and answers as scripted, an algorithm of fixed
// byte passes, and an environment serving one memory volume.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shredder/drive/drive_environment.h"
#include "shredder/drive/engine_interfaces.h"
#include "shredder/drive/kept_ranges.h"
#include "shredder/drive/raw_volume.h"

namespace drive_test {

using namespace shredder;

class MemoryVolume : public RawVolume {
public:
    explicit MemoryVolume(std::vector<uint8_t>* bytes) : bytes_(*bytes) {}

    bool lockFails = false;
    bool readsFail = false;
    uint64_t failWritesFrom = ~uint64_t(0);  // a write reaching here fails
    std::vector<ByteRange> writes;

    bool Lock() override { return !lockFails; }
    bool Dismount() override { return true; }
    bool Seek(uint64_t offset) override {
        if (offset % 512) return false;
        position_ = offset;
        return true;
    }
    uint64_t Position() const override { return position_; }
    bool Read(void* buffer, uint32_t bytes) override;
    bool Write(const void* buffer, uint32_t bytes) override;
    uint64_t Size() override { return bytes_.size(); }
    uint32_t LastError() const override { return 5; }

private:
    std::vector<uint8_t>& bytes_;
    uint64_t position_ = 0;
};

class RecordingObserver : public DriveObserver {
public:
    Answer confirm = Answer::Yes;
    uint64_t abortAfterBlocks = ~uint64_t(0);
    std::vector<int> reported;  // language keys, in order
    std::vector<uint32_t> systemErrors;
    uint64_t blocks = 0;
    uint64_t overallRange = 0;
    bool progressOpen = false;

    bool Reported(int key) const;
    std::string Text(int, const char* english) override { return english; }
    Answer Report(const DriveMessage& message, const std::string&) override;
    void ReportSystemError(uint32_t code) override { systemErrors.push_back(code); }
    bool OpenProgress(const std::string&, const std::string&, uint64_t range) override {
        overallRange = range;
        progressOpen = true;
        return true;
    }
    void BeginPass(const std::string&, uint64_t) override {}
    void BlockWritten(uint64_t) override { ++blocks; }
    void CloseProgress() override { progressOpen = false; }
    bool ShouldAbort() override { return blocks >= abortAfterBlocks; }
};

// Each pass writes one byte value everywhere; -1 stands for the complement
// of the pass before.
class BytePasses : public PassSource {
public:
    explicit BytePasses(std::vector<int> values) : values_(std::move(values)) {}
    int PassCount() override { return int(values_.size()); }
    void FillPass(int index, uint8_t* buffer) override;
    std::string PassText(int index) override { return "pass " + std::to_string(index + 1); }

private:
    std::vector<int> values_;
};

// Serves one volume for one drive letter; every other system answer is set
// by the test.
class FakeEnvironment : public DriveEnvironment {
public:
    std::string fileSystemName = "FAT";
    bool nameQueryFails = false;
    char windowsDrive = 0;
    std::vector<uint8_t>* image = nullptr;
    int opens = 0;
    int formats = 0;
    bool formatSucceeds = false;
    // Applied to every volume this environment opens.
    bool lockFails = false;
    bool readsFail = false;
    uint64_t failWritesFrom = ~uint64_t(0);
    std::vector<ByteRange> writes;

    bool IsNtFamily() override { return true; }
    char WindowsDriveLetter() override { return windowsDrive; }
    bool FileSystemName(char, std::string* name) override;
    std::unique_ptr<RawVolume> OpenVolume(char, FileSystemKind, bool write) override;
    bool FormatDrive(char, bool) override {
        ++formats;
        return formatSucceeds;
    }
};

}  // namespace drive_test
