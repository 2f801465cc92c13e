// Start-up knowledge: the SID text, the protected folders and path
// comparison, the Recycle Bin verb, and the log of silent runs.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/core/messenger.h"
#include "shredder/core/paths.h"
#include "shredder/core/sid_text.h"
#include "shredder/core/system_places.h"

namespace shredder {
namespace {

TEST(Startup, SidText) {
    const unsigned char nt[6] = {0, 0, 0, 0, 0, 5};
    EXPECT_EQ("S-1-5-21-1004-2000-500", SidToText(nt, {21, 1004, 2000, 500}));
    const unsigned char wide[6] = {0x01, 0x02, 0, 0, 0x0A, 0xFF};
    EXPECT_EQ("S-1-0x010200000aff", SidToText(wide, {}));
    EXPECT_EQ("S-1-0x010200000aff-7", SidToText(wide, {7}));
    std::string own;
    int failure = 0;
    ASSERT_TRUE(GetCurrentUserSid(own, failure)) << failure;
    EXPECT_EQ("S-1-", own.substr(0, 4));
}

TEST(Startup, ProtectedFoldersAndPathComparison) {
    const std::vector<std::string> folders = BuildProtectedFolderList();
    ASSERT_EQ(8u, folders.size());
    char windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(windows, folders[0]);
    EXPECT_EQ(system, folders[1]);
    EXPECT_EQ(std::string(system) + "\\IOSUBSYS", folders[6]);
    EXPECT_EQ(std::string(system) + "\\VMM32", folders[7]);
    EXPECT_TRUE(IsProtectedFolder(std::string(windows) + "\\", folders));
    EXPECT_TRUE(IsProtectedFolder("C:\\\\WINDOWS", {"c:\\windows"}));
    EXPECT_FALSE(IsProtectedFolder("C:\\WINDOWS\\Temp", {"C:\\WINDOWS"}));

    char letter = 0;
    EXPECT_TRUE(IsDriveRoot("c:", &letter));
    EXPECT_EQ('C', letter);
    EXPECT_TRUE(IsDriveRoot("C:\\\\"));
    EXPECT_FALSE(IsDriveRoot("C:\\x"));
    EXPECT_EQ("\\\\server\\share", NormalizePath("\\\\server\\\\share\\"));
    EXPECT_EQ("C:\\a\\b", JoinPath("C:\\a\\", "b"));
}

TEST(Startup, RecycleBinVerbQuotesTheProgram) {
    const std::string verb = std::string("CLSID\\") + suite::scourwell::kRecycleBinClsid +
                             "\\shell\\Velmora Scourwell";
    SHDeleteKeyA(HKEY_CLASSES_ROOT, verb.c_str());
    EXPECT_FALSE(RegisterRecycleBinVerb("", "Shred it"));
    EXPECT_EQ("", testkit::RegString(HKEY_CLASSES_ROOT, verb + "\\command", ""));
    ASSERT_TRUE(RegisterRecycleBinVerb("C:\\Program Files\\Scourwell", "Shred it"));
    EXPECT_EQ("Shred it", testkit::RegString(HKEY_CLASSES_ROOT, verb, ""));
    EXPECT_EQ("\"C:\\Program Files\\Scourwell\\Mirrowick.exe\" recycle",
              testkit::RegString(HKEY_CLASSES_ROOT, verb + "\\command", ""));
    SHDeleteKeyA(HKEY_CLASSES_ROOT, verb.c_str());
}

class NoBoxes : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        shown.push_back(text);
        return IDOK;
    }
    std::vector<std::string> shown;
};

TEST(Log, SilentRunsWriteTheLogAndSuccessOnlyWhenQuiet) {
    testkit::ScratchDir dir("shred-log");
    ShredLog log(dir.path());
    NoBoxes boxes;
    {
        Messenger messenger(boxes, log);
        messenger.SetSilent(true);
        log.WriteTaskName("Nightly");
        messenger.Tell("first", MB_OK);
        messenger.Tell("second", MB_OK);
        messenger.WriteSuccessIfQuiet();
    }
    EXPECT_EQ("Task Name: Nightly\nfirst\n\nsecond\n\n", dir.read("log.txt"));
    {
        Messenger messenger(boxes, log);
        messenger.SetSilent(true);
        messenger.WriteSuccessIfQuiet();
    }
    EXPECT_EQ("Task Name: Nightly\nfirst\n\nsecond\n\nSuccess\n\n", dir.read("log.txt"));
    Messenger interactive(boxes, log);
    interactive.Tell("shown", MB_OK);
    interactive.WriteSuccessIfQuiet();
    EXPECT_EQ(std::vector<std::string>{"shown"}, boxes.shown);
    EXPECT_EQ(std::string::npos, dir.read("log.txt").find("shown"));
}

}  // namespace
}  // namespace shredder
