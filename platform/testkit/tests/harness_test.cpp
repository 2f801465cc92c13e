// The test world itself: an isolated prefix, a display, scratch state.
#include "platform/testkit/scratch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

TEST(Harness, NoDriveReachesTheHostRoot) {
    // Every host has these; through a drive mapped to "/" they would show.
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string root = std::string(1, letter) + ":\\";
        for (const char* probe : {"etc\\passwd", "usr\\bin", "proc\\self"}) {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + probe).c_str()))
                << root << probe << " is visible";
        }
    }
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(Harness, WindowIsCreatedAndFoundByTitle) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HarnessProbe";
    ASSERT_NE(0, RegisterClassA(&wc));
    HWND hwnd = CreateWindowA("HarnessProbe", "Harness probe window", WS_OVERLAPPEDWINDOW,
                              10, 10, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    ShowWindow(hwnd, SW_SHOW);
    EXPECT_EQ(hwnd, FindWindowA(nullptr, "Harness probe window"));
    DestroyWindow(hwnd);
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Harness probe window"));
}

TEST(Harness, ScratchFolderIsFreshAndRemoved) {
    {
        testkit::ScratchDir dir("harness");
        dir.write("a\\b.txt", "bytes");
        EXPECT_EQ("bytes", dir.read("a\\b.txt"));
    }
    testkit::ScratchDir again("harness");
    EXPECT_FALSE(again.exists("a\\b.txt"));
}

TEST(Harness, RedirectedRegistryKeepsFixedKeysInsideTheTree) {
    testkit::ScratchRegistry reg("harness");
    testkit::SetRegDword(HKEY_CURRENT_USER, "Software\\Fixed", "Flag", 1);
    EXPECT_EQ(1, testkit::RegDword(reg.currentUser(), "Software\\Fixed", "Flag"));
}

}  // namespace
