// The program itself: a second interactive start ends with exit code 0
// after its notice, while a command-line run beside the first goes ahead.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"

namespace {

using namespace suite::scourwell;

std::string ProgramPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of('\\'));
    path = path.substr(0, path.find_last_of('\\'));
    return path + "\\bin\\Scourwell\\Mirrowick.exe";
}

struct Started {
    PROCESS_INFORMATION info = {};
    ~Started() {
        if (info.hProcess) {
            TerminateProcess(info.hProcess, 1);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

// `folder`: the current folder it starts in (a shortcut's "Start in").
bool Start(const std::string& arguments, Started& started, const std::string& folder = "") {
    std::string line = "\"" + ProgramPath() + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started.info) != 0;
}

// Started as the NT family starts every program: with a wide command line,
// which may hold names the ANSI code page cannot.
bool StartWide(const std::wstring& arguments, Started& started) {
    const std::string program = ProgramPath();
    std::wstring line = L"\"" + std::wstring(program.begin(), program.end()) + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started.info) != 0;
}

struct BoxSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    // The progress window of a run (its item bar is control 1027) is no box.
    if (owner == search->process && std::string(name) == "#32770" && IsWindowVisible(window) &&
        !GetDlgItem(window, 1027)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The text of the next message box the process shows, within `ms`.
HWND WaitForBox(const Started& started, DWORD ms, std::string* text = nullptr) {
    for (DWORD waited = 0; waited < ms; waited += 100) {
        BoxSearch search = {started.info.dwProcessId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            char buffer[1024] = {};
            GetDlgItemTextA(search.found, 0xFFFF, buffer, sizeof buffer);
            if (text) *text = buffer;
            return search.found;
        }
        if (WaitForSingleObject(started.info.hProcess, 100) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// Answers every box with OK until the process ends; its exit code.
DWORD AnswerUntilExit(const Started& started, std::vector<std::string>& texts) {
    for (int i = 0; i < 20; ++i) {
        std::string text;
        HWND box = WaitForBox(started, 20000, &text);
        if (!box) break;
        texts.push_back(text);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        Sleep(300);
    }
    WaitForSingleObject(started.info.hProcess, 20000);
    DWORD code = 99;
    GetExitCodeProcess(started.info.hProcess, &code);
    return code;
}

TEST(Instance, SecondInteractiveStartEndsWhileACommandLineRunGoesAhead) {
    testkit::ScratchDir dir("shred-instance");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue, dir.path());
    dir.write("doomed.txt", std::string(70000, 'x'));

    Started first;
    ASSERT_TRUE(Start("", first));
    ASSERT_NE(nullptr, WaitForBox(first, 30000)) << "the first instance shows nothing";

    Started second;
    ASSERT_TRUE(Start("/O1", second));
    std::vector<std::string> texts;
    EXPECT_EQ(0u, AnswerUntilExit(second, texts));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(0u, texts[0].find("There's an instance running of the program")) << texts[0];

    Started run;
    ASSERT_TRUE(Start(FileTaskLine("Beside", 1, {dir.file("doomed.txt")}), run));
    std::vector<std::string> runTexts;
    EXPECT_EQ(0u, AnswerUntilExit(run, runTexts));
    EXPECT_TRUE(runTexts.empty());
    EXPECT_FALSE(dir.exists("doomed.txt"));
    EXPECT_EQ("Task Name: Beside\nSuccess\n\n", dir.read("log.txt"));

    std::vector<std::string> firstTexts;
    AnswerUntilExit(first, firstTexts);
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
}

TEST(Instance, FirstStartStoresTheProgramsOwnFolder) {
    testkit::ScratchDir elsewhere("shred-start-in");
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
    Started first;
    ASSERT_TRUE(Start("", first, elsewhere.path()));
    ASSERT_NE(nullptr, WaitForBox(first, 30000)) << "the program shows nothing";
    const std::string program = ProgramPath();
    EXPECT_EQ(0, lstrcmpiA(program.substr(0, program.find_last_of('\\')).c_str(),
                           testkit::RegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue).c_str()))
        << testkit::RegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
    std::vector<std::string> texts;
    AnswerUntilExit(first, texts);
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
}

TEST(Instance, CaptionWithABackslashStillStartsOnce) {
    testkit::ScratchDir dir("shred-caption");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue, dir.path());
    std::string language = testkit::RegString(HKEY_CURRENT_USER, kSettingsKey, kLanguageValue);
    if (language.empty()) language = kDefaultLanguage;
    dir.write("Lang\\" + language + ".ini", "[Scourwell Language Pack]\r\n9606=Shred\\Away\r\n");
    Started first;
    ASSERT_TRUE(Start("", first));
    std::string text;
    ASSERT_NE(nullptr, WaitForBox(first, 30000, &text)) << "the program shows nothing";
    EXPECT_EQ(std::string::npos, text.find("There's an instance running")) << text;
    std::vector<std::string> texts;
    AnswerUntilExit(first, texts);
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
}

TEST(Instance, UnknownAlgorithmRefusesTheRunAndLogsIt) {
    testkit::ScratchDir dir("shred-noalgo");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue, dir.path());
    dir.write("kept.txt", "data");
    Started run;
    ASSERT_TRUE(Start(FileTaskLine("Far", 42, {dir.file("kept.txt")}), run));
    std::vector<std::string> texts;
    EXPECT_EQ(0u, AnswerUntilExit(run, texts));
    EXPECT_EQ("data", dir.read("kept.txt"));
    const std::string log = dir.read("log.txt");
    EXPECT_NE(std::string::npos, log.find("algorithm number 42 does not exist")) << log;
    EXPECT_EQ(std::string::npos, log.find("Success"));
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
}

// A scheduled line naming "Čapek.txt" beside "Capek.txt" (its ANSI
// lookalike) shreds the file it names; a silent run stopped in a question
// says so in its log and never ends as a success.
TEST(Instance, SilentRunsShredTheFileNamedAndSayWhenStopped) {
    testkit::ScratchDir dir("shred-names");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue, dir.path());
    dir.write("Capek.txt", "other");
    const std::wstring chosen = testkit::MakeWide(dir.path(), L"\x010C" L"apek.txt");
    ASSERT_FALSE(chosen.empty());
    Started run;
    ASSERT_TRUE(StartWide(L"\"/s\" \"TH\" \"/O0\" \"" + chosen + L"\"", run));
    std::vector<std::string> texts;
    EXPECT_EQ(0u, AnswerUntilExit(run, texts));
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(chosen.c_str()));
    EXPECT_EQ("other", dir.read("Capek.txt"));
    EXPECT_EQ("Task Name: TH\nSuccess\n\n", dir.read("log.txt"));

    DeleteFileA(dir.file("log.txt").c_str());
    dir.write("stop\\sub\\x.txt", "x");
    Started stopped;
    ASSERT_TRUE(Start(FolderTaskLine("Stop", 0, 1, 0, {dir.file("stop")}), stopped));
    std::string question;
    HWND box = WaitForBox(stopped, 20000, &question);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(0u, question.find("Shred subfolder:")) << question;
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(0u, AnswerUntilExit(stopped, texts));
    EXPECT_EQ("x", dir.read("stop\\sub\\x.txt"));
    EXPECT_EQ("Task Name: Stop\nShredding was cancelled.\n\n", dir.read("log.txt"));
    testkit::DeleteRegValue(HKEY_CURRENT_USER, kSettingsKey, kAppPathValue);
}

}  // namespace
