// The command line as every writer of the suite produces it and as the
// shredder reads it back.
#include <gtest/gtest.h>

#include "common/suite/scourwell.h"

namespace {

using namespace suite::scourwell;
using Tokens = std::vector<std::string>;

TEST(CommandLine, TokenizerTable) {
    struct Case {
        const char* line;
        Tokens tokens;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"recycle", {"recycle"}},
        {"  recycle  /s   ", {"recycle", "/s"}},
        {"0abc /O1", {"0abc", "/O1"}},
        {"\"C:\\My Files\\a b.txt\"", {"C:\\My Files\\a b.txt"}},
        {"\"\"", {""}},
        {"\"C:\\Data\" \"", {"C:\\Data"}},
        {"\"a\" \"b\" \"", {"a", "b"}},
        {"\"/O1\" C:\\unquoted \"x\"", {"/O1", "x"}},
        {"\"a\" \"unclosed rest", {"a"}},
        {"lead \"q\"", {"q"}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.tokens, TokenizeCommandLine(c.line)) << c.line;
}

TEST(CommandLine, SwitchesAndTaskName) {
    ShredCommand command = ParseCommandLine("\"/s\" \"/O2\" \"/D-1\" \"x\"");
    EXPECT_TRUE(command.silent);
    EXPECT_TRUE(command.hasTaskName);
    EXPECT_EQ("/O2", command.taskName);  // the token after "/s" is the name, whatever it is
    EXPECT_EQ(0, command.algorithm);
    EXPECT_EQ(-1, command.driveOption);
    EXPECT_EQ(Tokens{"x"}, command.items);

    command = ParseCommandLine("/S /x5 /O /D5 /F2 /R1 /o3");
    EXPECT_FALSE(command.silent);
    EXPECT_EQ(0, command.algorithm);  // "/O" without digits; "/o3" is not a switch we know
    EXPECT_EQ(5, command.driveOption);
    EXPECT_EQ(2, command.folderOption);
    EXPECT_EQ(1, command.removeOption);
    EXPECT_TRUE(command.items.empty());

    EXPECT_EQ(2147483647, ParseCommandLine("/O99999999999").algorithm);
    EXPECT_EQ(Tokens{""}, ParseCommandLine("\"\"").items);
}

TEST(CommandLine, EveryWriterRoundTrips) {
    const std::vector<std::string> paths = {"C:\\My Documents\\a b.txt", "D:\\x", "C:\\"};
    ShredCommand files = ParseCommandLine(FileTaskLine("Night run", 3, paths));
    EXPECT_TRUE(files.silent);
    EXPECT_EQ("Night run", files.taskName);
    EXPECT_EQ(3, files.algorithm);
    EXPECT_EQ(paths, files.items);

    ShredCommand folders = ParseCommandLine(FolderTaskLine("F", 1, 2, 0, {"C:\\Old Stuff"}));
    EXPECT_EQ(1, folders.algorithm);
    EXPECT_EQ(2, folders.folderOption);
    EXPECT_EQ(0, folders.removeOption);
    EXPECT_EQ(Tokens{"C:\\Old Stuff"}, folders.items);

    ShredCommand drive = ParseCommandLine(DriveTaskLine("D", 4, 0, "E:\\"));
    EXPECT_EQ(0, drive.driveOption);
    EXPECT_EQ(Tokens{"E:\\"}, drive.items);

    ShredCommand bin = ParseCommandLine(RecycleTaskLine("B", 2));
    EXPECT_EQ(Tokens{kRecycleItem}, bin.items);

    const std::string menu = ContextMenuLine({"C:\\Data", "C:\\with blank\\f.txt"});
    EXPECT_EQ("\"C:\\Data\" \"C:\\with blank\\f.txt\" \"", menu);
    ShredCommand fromMenu = ParseCommandLine(menu);
    EXPECT_FALSE(fromMenu.silent);
    EXPECT_EQ((Tokens{"C:\\Data", "C:\\with blank\\f.txt"}), fromMenu.items);

    // The verb's command after the program name is word mode.
    const std::string verb = RecycleVerbCommand("C:\\Program Files\\Scourwell");
    EXPECT_EQ("\"C:\\Program Files\\Scourwell\\Mirrowick.exe\" recycle", verb);
    EXPECT_EQ(Tokens{"recycle"}, ParseCommandLine(verb.substr(verb.rfind('"') + 1)).items);
}

}  // namespace
