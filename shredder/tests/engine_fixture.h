#pragma once
// The engine driven without windows: an observer that records every call
// and can press Cancel, a prompt that answers from a script, and a target
// factory that records every block written (and can fail one).
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/testkit/scratch.h"
#include "shredder/algorithms/algorithm.h"
#include "shredder/engine/shred_engine.h"

namespace shredder_test {

using namespace shredder;

class RecordingObserver : public ShredObserver {
public:
    bool OpenProgress() override {
        ++opened;
        return true;
    }
    void CloseProgress() override { ++closed; }
    void SetTitle(const std::string& text) override { titles.push_back(text); }
    void SetFileLine(const std::string& text) override { fileLines.push_back(text); }
    void SetPassLine(const std::string& text) override { passLines.push_back(text); }
    void SetItemRange(uint32_t) override {}
    void SetItemPos(uint32_t) override {}
    void SetTotalRange(uint32_t maximum) override { totalRange = maximum; }
    void StepTotal() override {
        ++steps;
        if (stepPause) Sleep(stepPause);
    }
    void EnableCancel(bool enable) override { cancelEnabled = enable; }
    bool ShouldAbort() override { return cancelAfter >= 0 && ++polls > cancelAfter; }

    int opened = 0, closed = 0;
    std::vector<std::string> titles, fileLines, passLines;
    uint32_t totalRange = 0;
    uint64_t steps = 0;
    bool cancelEnabled = true;
    int cancelAfter = -1;  // polls before Cancel is "pressed"; -1 never
    DWORD stepPause = 0;   // ms each block takes: a run that goes on a while
    int polls = 0;
};

class ScriptedPrompt : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string& title, unsigned) override {
        shown.push_back(text);
        titles.push_back(title);
        if (onShow) onShow();
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<std::string> shown, titles;
    std::function<void()> onShow;  // what happens meanwhile (another program at work)
};

// One write as the recorder saw it.
struct Block {
    int pass;  // counted from the seeks to offset 0
    uint64_t offset;
    uint32_t length;
    unsigned char first, last;
};

class RecordingTargets : public TargetFactory {
public:
    std::unique_ptr<BlockTarget> MakeTarget(HANDLE file, const std::string& path) override;
    std::vector<Block> blocks;
    std::vector<std::string> paths;
    int failAtWrite = -1;  // the write (from 0) that fails; -1 none
    DWORD failError = ERROR_CRC;  // the error it leaves
};

class FixedRandom : public RandomSource {
public:
    void Reseed() override {}
    unsigned Next() override { return next_ = next_ * 1103515245u + 12345u; }

private:
    unsigned next_ = 7;
};

std::string ScratchName();

class EngineTest : public ::testing::Test {
protected:
    EngineTest();
    void SetUp() override;
    // A file in the scratch folder with `size` bytes of 0x5A.
    std::string MakeFile(const std::string& name, size_t size, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
    void UseAlgorithm(int index, bool silent);
    std::vector<Block> PassBlocks(int pass) const;
    int ShownContaining(const std::string& part) const;

    // Named per process: the free-space run of this program may go on
    // beside the others.
    testkit::ScratchRegistry registry_{ScratchName()};
    testkit::ScratchDir dir_{ScratchName()};
    AlgorithmTable algorithms_;
    PassBuffer buffer_;
    RecordingObserver observer_;
    ScriptedPrompt prompt_;
    ShredLog log_;
    Messenger messenger_{prompt_, log_};
    ShredderTexts texts_;
    ShredderSettings settings_;
    FixedRandom random_;
    RecordingTargets targets_;
    ShredEngine engine_{algorithms_, buffer_, observer_, messenger_, texts_, settings_, random_};
};

}  // namespace shredder_test
