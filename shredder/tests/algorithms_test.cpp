// The algorithm table, the pass buffer, stored algorithms and the pass loop.
#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/algorithms/custom_algorithms.h"
#include "shredder/algorithms/pass_loop.h"

namespace shredder {
namespace {

class CountingRandom : public RandomSource {
public:
    void Reseed() override {}
    unsigned Next() override { return next_++; }

private:
    unsigned next_ = 0;
};

const std::string kKey = suite::scourwell::kAlgorithmsKey;

void StorePass(HKEY hkcu, const std::string& algorithm, int index, const char* write,
               std::vector<int> bytes = {}) {
    const std::string key = kKey + "\\" + algorithm + "\\Pass " + std::to_string(index);
    testkit::SetRegString(hkcu, key, "write", write);
    if (std::string(write) != "Pattern") return;
    testkit::SetRegDword(hkcu, key, "Pattern Length", static_cast<DWORD>(bytes.size()));
    for (size_t b = 0; b < bytes.size(); ++b)
        testkit::SetRegDword(hkcu, key, "Byte " + std::to_string(b), static_cast<DWORD>(bytes[b]));
}

void StoreAlgorithm(HKEY hkcu, const std::string& name, DWORD passes) {
    testkit::SetRegString(hkcu, kKey + "\\" + name, "Description", "d");
    testkit::SetRegDword(hkcu, kKey + "\\" + name, "PassesCount", passes);
}

TEST(Algorithms, BuiltInTableWithoutRegistry) {
    testkit::ScratchRegistry registry("shred-algo-none");
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    EXPECT_FALSE(LoadCustomAlgorithms(table));
    ASSERT_EQ(5u, table.size());
    EXPECT_EQ("Quick Shred", table[0].name);
    EXPECT_EQ("U.S. Standard, DoD 5220.22-M", table[1].name);
    EXPECT_EQ("U.S. Department of Defence specifies a triple pass overwrite algorithm in "
              "the DoD 5220.22-M specification.",
              table[1].description);
    EXPECT_EQ("NAVSO P-5239-26 (RLL)", table[2].name);
    EXPECT_EQ("NAVSO P-5239-26 (MFM)", table[3].name);
    EXPECT_EQ("German Standard, VSITR", table[4].name);
    EXPECT_EQ(7u, table[4].passes.size());
    EXPECT_EQ((std::vector<unsigned char>{0x27, 0xFF, 0xFF, 0xFF}), table[2].passes[1].pattern);
    EXPECT_EQ(" 0x7FFFFFFF", PatternText(table[3].passes[1].pattern));
    EXPECT_EQ("0A", ByteToHex(0x0A));
}

TEST(Algorithms, PassBufferFills) {
    PassBuffer buffer;
    CountingRandom random;
    buffer.FillPassBuffer({PassKind::Pattern, {0x11, 0x22, 0x33}}, random);
    size_t repeats = 0;
    for (size_t i = 0; i + 3 <= buffer.size(); i += 3) {
        if (buffer[i] == 0x11 && buffer[i + 1] == 0x22 && buffer[i + 2] == 0x33) ++repeats;
    }
    EXPECT_EQ(21845u, repeats);
    EXPECT_EQ(0x11, buffer[65535]);

    buffer.FillPassBuffer({PassKind::Random, {}}, random);
    const std::vector<unsigned char> random1(buffer.data(), buffer.data() + buffer.size());
    buffer.FillPassBuffer({PassKind::Complement, {}}, random);
    EXPECT_EQ(static_cast<unsigned char>(~random1[7]), buffer[7]);
    buffer.FillPassBuffer({PassKind::Complement, {}}, random);
    EXPECT_EQ(random1, std::vector<unsigned char>(buffer.data(), buffer.data() + buffer.size()));
}

TEST(Algorithms, StoredAlgorithmsReadOrDropped) {
    testkit::ScratchRegistry registry("shred-algo-custom");
    HKEY hkcu = registry.currentUser();
    StoreAlgorithm(hkcu, "Good", 2);
    StorePass(hkcu, "Good", 0, "Pattern", {0xBB, 0x12, 0x1AA});
    StorePass(hkcu, "Good", 1, "Complement");
    StoreAlgorithm(hkcu, "LowerCase", 1);
    StorePass(hkcu, "LowerCase", 0, "random");
    StoreAlgorithm(hkcu, "PassMissing", 3);
    StorePass(hkcu, "PassMissing", 0, "Random");
    StorePass(hkcu, "PassMissing", 1, "Random");
    StoreAlgorithm(hkcu, "ByteMissing", 1);
    StorePass(hkcu, "ByteMissing", 0, "Pattern", {1, 2});
    testkit::DeleteRegValue(hkcu, kKey + "\\ByteMissing\\Pass 0", "Byte 1");
    StoreAlgorithm(hkcu, "NoWrite", 1);
    testkit::SetRegDword(hkcu, kKey + "\\NoWrite\\Pass 0", "Pattern Length", 0);
    StoreAlgorithm(hkcu, "NoPasses", 0);
    StoreAlgorithm(hkcu, "Negative", 0xFFFFFFFF);
    StoreAlgorithm(hkcu, "TooLong", 1);
    StorePass(hkcu, "TooLong", 0, "Pattern", {});
    testkit::SetRegDword(hkcu, kKey + "\\TooLong\\Pass 0", "Pattern Length", kMaxPatternLength + 1);

    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    EXPECT_TRUE(LoadCustomAlgorithms(table));
    ASSERT_EQ(6u, table.size());
    const Algorithm& good = table[5];
    EXPECT_EQ("Good", good.name);
    EXPECT_TRUE(good.custom);
    ASSERT_EQ(2u, good.passes.size());
    EXPECT_EQ((std::vector<unsigned char>{0xBB, 0x12, 0xAA}), good.passes[0].pattern);
    EXPECT_EQ(PassKind::Complement, good.passes[1].kind);

    EXPECT_TRUE(DeleteCustomAlgorithm("Good"));
    EXPECT_FALSE(testkit::RegValueExists(hkcu, kKey + "\\Good", "PassesCount"));
    EXPECT_TRUE(testkit::RegValueExists(hkcu, kKey + "\\NoPasses", "PassesCount"));
}

// Records what each pass wrote: the first byte of every block and lengths.
class RecordingTarget : public BlockTarget {
public:
    struct Written {
        uint64_t offset;
        uint32_t length;
        unsigned char first;
    };
    bool Seek(uint64_t offset) override {
        position_ = offset;
        return true;
    }
    bool Write(const unsigned char* data, uint32_t length) override {
        writes.push_back({position_, length, data[0]});
        position_ += length;
        return true;
    }
    std::vector<Written> writes;

private:
    uint64_t position_ = 0;
};

class CountingProgress : public PassProgress {
public:
    void PassStarted(int number, int) override { passes.push_back(number); }
    void BlockDone(uint32_t) override { ++ticks; }
    bool ShouldAbort() override { return false; }
    std::vector<int> passes;
    int ticks = 0;
};

TEST(Algorithms, PassLoopWritesExtentsAndStartsFromZeroedBuffer) {
    PassBuffer buffer;
    CountingRandom random;
    buffer.FillPassBuffer({PassKind::Pattern, {0x5A}}, random);  // stale data from an earlier target
    Algorithm complementFirst{"c", "", {{PassKind::Complement, {}}, {PassKind::Pattern, {0x01}}}, true};
    RecordingTarget target;
    CountingProgress progress;
    PassResult result = RunPasses(complementFirst, buffer, random, target,
                                  {{0, 65536 + 10}, {200000, 5}}, progress, 2);
    EXPECT_EQ(PassOutcome::Done, result.outcome);
    EXPECT_EQ((std::vector<int>{1, 2}), progress.passes);
    ASSERT_EQ(6u, target.writes.size());
    EXPECT_EQ(0xFF, target.writes[0].first);
    EXPECT_EQ(65536u, target.writes[0].length);
    EXPECT_EQ(10u, target.writes[1].length);
    EXPECT_EQ(200000u, target.writes[2].offset);
    EXPECT_EQ(0x01, target.writes[3].first);
    EXPECT_EQ(2 * (3 + 2), progress.ticks);
}

}  // namespace
}  // namespace shredder
