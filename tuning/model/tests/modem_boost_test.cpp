// Modem detection and the port-speed boost over the modems' "Properties".
#include "tuning/model/modem_boost.h"

#include <gtest/gtest.h>

#include "tuning/model/registry_paths.h"
#include "tuning/model/tests/scratch_tree.h"

namespace tuning {
namespace {

using test::FaultyRegistry;
using test::ScratchTree;

// A modem record of `size` bytes whose maximum port rate is `rate`.
RegValue Properties(std::uint32_t rate, size_t size = 40) {
    RegValue value{kRegBinary, std::string(size, '\x11')};
    for (size_t i = 0; i < 4 && 24 + i < size; ++i)
        value.data[24 + i] = static_cast<char>((rate >> (8 * i)) & 0xFF);
    return value;
}

std::uint32_t RateOf(const RegValue& value) {
    std::uint32_t rate = 0;
    for (int i = 3; i >= 0; --i) rate = (rate << 8) | static_cast<unsigned char>(value.data[24 + i]);
    return rate;
}

// A save that lets every modem be changed.
const SaveModemRecord kEveryModem = [](const std::string&, const RegValue&) { return true; };

RegValue Modem(Registry& registry, const std::string& key) {
    RegValue value;
    EXPECT_TRUE(registry.Read(Hive::LocalMachine, key, "Properties", value)) << key;
    return value;
}

class ModemBoostTest : public ::testing::Test {
protected:
    ModemBoostTest() : tree("tuning-modems") {}

    std::string Key(const char* modem) const { return std::string(kModemClassNTKey) + "\\" + modem; }
    void Add(const char* modem, const RegValue& properties) {
        tree.Set(Hive::LocalMachine, Key(modem), "Properties", properties);
    }

    ScratchTree tree;
};

TEST_F(ModemBoostTest, DetectionStopsAtTheFirstSlowModemAndTheBoostRaisesEveryOne) {
    Add("0000", Properties(115200));
    Add("0001", Properties(115200, 64));
    Add("0002", Properties(57600));
    FaultyRegistry counting(tree.registry());
    EXPECT_TRUE(DetectModems(counting, Family::NT));
    EXPECT_EQ(1, counting.reads);
    EXPECT_FALSE(DetectModems(tree.registry(), Family::Win9x));  // the 9x class key is empty

    const BoostResult result = BoostModemPortSpeed(tree.registry(), Family::NT, kEveryModem);
    EXPECT_EQ(2, result.boosted);
    EXPECT_EQ(0, result.failures);
    const RegValue first = Modem(tree.registry(), Key("0000"));
    const RegValue second = Modem(tree.registry(), Key("0001"));
    EXPECT_EQ(920064u, RateOf(first));
    EXPECT_EQ(std::string("\x00\x0A\x0E\x00", 4), first.data.substr(24, 4));
    EXPECT_EQ(40u, first.data.size());
    EXPECT_EQ(64u, second.data.size());
    EXPECT_EQ(kRegBinary, second.type);
    EXPECT_EQ(Properties(57600).data, Modem(tree.registry(), Key("0002")).data);

    // Boosted modems no longer qualify: a second apply leaves them alone.
    EXPECT_FALSE(DetectModems(tree.registry(), Family::NT));
    EXPECT_EQ(0, BoostModemPortSpeed(tree.registry(), Family::NT, kEveryModem).boosted);
}

TEST_F(ModemBoostTest, RecordsTooShortForTheRateAreSkipped) {
    RegValue shortRecord = Properties(115200, 27);  // bytes 25 and 26 say 115200, 27 is missing
    Add("0000", shortRecord);
    EXPECT_FALSE(DetectModems(tree.registry(), Family::NT));
    EXPECT_EQ(0, BoostModemPortSpeed(tree.registry(), Family::NT, kEveryModem).boosted);
    EXPECT_EQ(shortRecord.data, Modem(tree.registry(), Key("0000")).data);
}

TEST_F(ModemBoostTest, AModemWhoseRecordCannotBeWrittenIsReported) {
    Add("0000", Properties(115200));
    FaultyRegistry limited(tree.registry());
    limited.failingWrites = {"Properties"};
    const BoostResult result = BoostModemPortSpeed(limited, Family::NT, kEveryModem);
    EXPECT_EQ(0, result.boosted);
    EXPECT_EQ(1, result.failures);
}

}  // namespace
}  // namespace tuning
