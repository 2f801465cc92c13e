#include "common/hosts/hosts_text.h"

#include <gtest/gtest.h>

namespace hosts {

TEST(HostsLine, ReadsLinesWithoutCarriageReturnsAndCutsLongOnes) {
    const std::string text = "a b\r\n" + std::string(600, 'x') + "\nlast";
    std::string line;
    std::size_t pos = ReadHostsLine(text, 0, line);
    EXPECT_EQ("a b", line);
    pos = ReadHostsLine(text, pos, line);
    EXPECT_EQ(std::string(519, 'x'), line);
    pos = ReadHostsLine(text, pos, line);
    EXPECT_EQ("last", line);
    EXPECT_EQ(text.size(), pos);
}

TEST(HostsLine, HostColumnIsTheSecondField) {
    EXPECT_EQ("localhost", ParseHostsLine("127.0.0.1 localhost"));
    EXPECT_EQ("Alias", ParseHostsLine("  10.0.0.1\t\tAlias other # note"));
    EXPECT_EQ("", ParseHostsLine("# 127.0.0.1 commented"));
    EXPECT_EQ("", ParseHostsLine("127.0.0.1 #only a comment"));
    EXPECT_EQ("", ParseHostsLine("127.0.0.1"));
    EXPECT_EQ("", ParseHostsLine("   "));
    EXPECT_EQ(std::string(255, 'h'), ParseHostsLine("1.2.3.4 " + std::string(300, 'h')));
}

TEST(HostsLine, OnlyAnExactHostNameCounts) {
    const std::string text = "127.0.0.1 localhost\n10.0.0.1 myVelmoraBlinkward.net\n"
                             "# 127.0.0.1 VelmoraBlinkward\n";
    EXPECT_FALSE(TextMapsHost(text, "VelmoraBlinkward"));
    EXPECT_TRUE(TextMapsHost(text + "10.1.1.1\tVELMORABLINKWARD\r\n", "VelmoraBlinkward"));
    EXPECT_FALSE(TextMapsHost("", "VelmoraBlinkward"));
}

TEST(HostsLine, EntryStartsOnALineOfItsOwn) {
    EXPECT_EQ("127.0.0.1\tAlias\n", EntryToAppend("", "127.0.0.1", "Alias"));
    EXPECT_EQ("127.0.0.1\tAlias\n", EntryToAppend("x y\r\n", "127.0.0.1", "Alias"));
    EXPECT_EQ("\n127.0.0.1\tAlias\n", EntryToAppend("1.1.1.1 user", "127.0.0.1", "Alias"));
}

TEST(AdBlockText, BlockIsAddedReplacedAndRemovedKeepingEveryOtherLine) {
    const std::string user = "127.0.0.1 localhost\r\n127.0.0.1\tVelmoraBlinkward\n10.0.0.2 mine";
    const std::string on = WithAdBlock(user, "127.0.0.1 ads.one\n127.0.0.1 ads.two");
    EXPECT_EQ(0u, on.find(user + "\n"));
    EXPECT_NE(std::string::npos, on.find("127.0.0.1 ads.one\n127.0.0.1 ads.two\n"));
    EXPECT_TRUE(TextMapsHost(on, "ads.two"));

    const std::string again = WithAdBlock(on + "10.0.0.3 added later\n", "127.0.0.1 ads.three\n");
    EXPECT_FALSE(TextMapsHost(again, "ads.one"));
    EXPECT_TRUE(TextMapsHost(again, "ads.three"));
    EXPECT_TRUE(TextMapsHost(again, "added"));

    const std::string off = WithoutAdBlock(again);
    EXPECT_EQ(user + "\n10.0.0.3 added later\n", off);
    EXPECT_EQ(off, WithoutAdBlock(off));
}

TEST(AdBlockText, AStartMarkerWithoutEndRemovesNoUserLine) {
    const std::string on = WithAdBlock("1.1.1.1 user\n", "127.0.0.1 ads.one\n");
    const std::string broken = on.substr(0, on.rfind('#')) + "2.2.2.2 later\n";
    const std::string off = WithoutAdBlock(broken);
    EXPECT_TRUE(TextMapsHost(off, "user"));
    EXPECT_TRUE(TextMapsHost(off, "later"));
    EXPECT_EQ(std::string::npos, off.find("ad block"));
}

TEST(ProgramLines, OnlyTheAliasLineAndTheAdBlockGo) {
    const std::string before = "127.0.0.1 localhost\r\n# 127.0.0.1 VelmoraBlinkward kept note\r\n";
    const std::string mine = "10.0.0.5 intranet\r\n10.0.0.6 myVelmoraBlinkward.net\r\n";
    const std::string text = WithAdBlock(before + "127.0.0.1\tVelmoraBlinkward\n" + mine,
                                         "127.0.0.1 ads.one\n") +
                             "127.0.0.1 VELMORABLINKWARD";
    EXPECT_EQ(before + mine, WithoutProgramLines(text, "VelmoraBlinkward"));
}

}  // namespace hosts
