#include "shredder/tests/engine_fixture.h"

#include "common/suite/scourwell.h"
#include "shredder/engine/file_target.h"

namespace shredder_test {

namespace {

class Recorder : public BlockTarget {
public:
    Recorder(HANDLE file, RecordingTargets& owner) : file_(file), owner_(owner) {}
    bool Seek(uint64_t offset) override {
        if (offset == 0) ++pass_;
        position_ = offset;
        return file_.Seek(offset);
    }
    bool Write(const unsigned char* data, uint32_t length) override {
        const int index = static_cast<int>(owner_.blocks.size());
        if (index == owner_.failAtWrite) {
            SetLastError(owner_.failError);
            return false;
        }
        owner_.blocks.push_back({pass_, position_, length, data[0], data[length - 1]});
        position_ += length;
        return file_.Write(data, length);
    }

private:
    FileTarget file_;
    RecordingTargets& owner_;
    int pass_ = 0;
    uint64_t position_ = 0;
};

}  // namespace

std::unique_ptr<BlockTarget> RecordingTargets::MakeTarget(HANDLE file, const std::string& path) {
    paths.push_back(path);
    return std::unique_ptr<BlockTarget>(new Recorder(file, *this));
}

std::string ScratchName() { return "shred-engine-" + std::to_string(GetCurrentProcessId()); }

EngineTest::EngineTest() {
    AddBuiltInAlgorithms(algorithms_);
    log_.SetFolder(dir_.path());
}

void EngineTest::SetUp() {
    engine_.SetTargetFactory(&targets_);
    UseAlgorithm(0, false);
}

std::string EngineTest::MakeFile(const std::string& name, size_t size, DWORD attributes) {
    dir_.write(name, std::string(size, '\x5A'));
    const std::string path = dir_.file(name);
    SetFileAttributesA(path.c_str(), attributes);
    return path;
}

void EngineTest::UseAlgorithm(int index, bool silent) {
    RunSwitches switches;
    switches.silent = silent;
    switches.algorithm = index;
    engine_.SetSwitches(switches);
    messenger_.SetSilent(silent);
    settings_.WriteDword(suite::scourwell::kMethodValue, static_cast<DWORD>(index));
}

std::vector<Block> EngineTest::PassBlocks(int pass) const {
    std::vector<Block> result;
    for (const Block& block : targets_.blocks) {
        if (block.pass == pass) result.push_back(block);
    }
    return result;
}

int EngineTest::ShownContaining(const std::string& part) const {
    int count = 0;
    for (const std::string& text : prompt_.shown) count += text.find(part) != std::string::npos;
    return count;
}

}  // namespace shredder_test
