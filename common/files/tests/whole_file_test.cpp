// Whole-file reads and existence checks.
#include <gtest/gtest.h>

#include "common/files/whole_file.h"
#include "platform/testkit/scratch.h"

namespace {

TEST(ReadWholeFile, ReadsEveryByteAndLeavesTheBufferAloneOnFailure) {
    testkit::ScratchDir dir("files-read");
    dir.write("a.bin", std::string("x\0y", 3));
    std::string bytes = "old";
    EXPECT_TRUE(files::ReadWholeFile(dir.file("a.bin"), bytes));
    EXPECT_EQ(std::string("x\0y", 3), bytes);
    dir.write("empty.bin", "");
    EXPECT_TRUE(files::ReadWholeFile(dir.file("empty.bin"), bytes));
    EXPECT_EQ("", bytes);
    bytes = "kept";
    EXPECT_FALSE(files::ReadWholeFile(dir.file("missing.bin"), bytes));
    EXPECT_EQ("kept", bytes);
}

TEST(Exists, AFolderIsAPathButNotAFile) {
    testkit::ScratchDir dir("files-exists");
    dir.write("sub\\f.txt", "x");
    EXPECT_TRUE(files::PathExists(dir.file("sub")));
    EXPECT_FALSE(files::FileExists(dir.file("sub")));
    EXPECT_TRUE(files::PathExists(dir.file("sub\\f.txt")));
    EXPECT_TRUE(files::FileExists(dir.file("sub\\f.txt")));
    EXPECT_FALSE(files::PathExists(dir.file("none")));
    EXPECT_FALSE(files::FileExists(dir.file("none")));
}

}  // namespace
