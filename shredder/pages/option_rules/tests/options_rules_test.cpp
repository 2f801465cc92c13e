// The options page: `Method` and the algorithm list, deleting a custom
// algorithm, the language list and a change of language.
#include <gtest/gtest.h>

#include <set>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/algorithms/custom_algorithms.h"
#include "shredder/pages/option_rules/algorithm_editor_model.h"
#include "shredder/pages/option_rules/options_page_model.h"
#include "shredder/pages/option_rules/task_algorithms.h"

namespace shredder {
namespace {

using namespace suite::scourwell;

class RecordingStore : public AlgorithmStore {
public:
    bool Save(const Algorithm&) override { return true; }
    bool Delete(const std::string& name) override {
        deleted.push_back(name);
        return kept.count(name) == 0;
    }
    std::vector<std::string> deleted;
    std::set<std::string> kept;  // keys that cannot be deleted
};

class RecordingHost : public LanguageChangeHost, public ui::MessagePrompt {
public:
    RecordingHost(ShredderTexts& texts, const std::string& appPath) : texts_(texts), appPath_(appPath) {}
    void ApplyLanguageTexts(const std::string& language) override {
        texts_.SetLanguage(appPath_, language);
        steps.push_back("texts");
    }
    void CyclePages() override { steps.push_back("pages"); }
    void RegisterBinVerb() override { steps.push_back("verb"); }
    void EndInstance() override { steps.push_back("end"); }
    int Show(const std::string& text, const std::string& caption, unsigned) override {
        steps.push_back(caption + ": " + text);
        return IDOK;
    }
    std::vector<std::string> steps;

private:
    ShredderTexts& texts_;
    std::string appPath_;
};

TEST(Options, MethodRangeEditingAndDeletion) {
    testkit::ScratchRegistry registry("shred-options-method");
    HKEY hkcu = registry.currentUser();
    ShredderSettings settings;
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    table.push_back({"Mine", "my own", {{PassKind::Random, {}}}, true});
    RecordingStore store;
    AlgorithmChoiceModel choice(table, settings, store);

    testkit::SetRegDword(hkcu, kSettingsKey, kMethodValue, 99);
    EXPECT_EQ(0, choice.InitialMethod());
    EXPECT_EQ(0, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));

    EXPECT_FALSE(choice.Select(4).editable);
    const AlgorithmChoice mine = choice.Select(5);
    EXPECT_TRUE(mine.editable);
    EXPECT_EQ("my own", mine.description);
    EXPECT_EQ(5, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));
    EXPECT_EQ(5, choice.InitialMethod());

    bool keyKept = true;
    PositionMoves moves;
    const AlgorithmChoice after = choice.Delete(5, keyKept, moves);
    EXPECT_FALSE(keyKept);
    EXPECT_EQ(0, after.index);
    EXPECT_EQ(0, testkit::RegDword(hkcu, kSettingsKey, kMethodValue));
    EXPECT_EQ((std::vector<std::string>{"Mine"}), store.deleted);
    EXPECT_EQ(5u, table.size());
    // A built-in algorithm is never deleted.
    choice.Delete(0, keyKept, moves);
    EXPECT_EQ(5u, table.size());
}

std::vector<std::string> Names(const AlgorithmTable& table) {
    std::vector<std::string> names;
    for (const Algorithm& algorithm : table) names.push_back(algorithm.name);
    return names;
}

// The table as the next start loads it.
std::vector<std::string> Restarted() {
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    LoadCustomAlgorithms(table);
    return Names(table);
}

int PositionOf(const AlgorithmTable& table, const std::string& name) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name) return static_cast<int>(i);
    return -1;
}

// New, rename, a change of letter case and delete, each followed by a
// restart: every algorithm keeps its position and `Method` its algorithm.
TEST(Options, AlgorithmsKeepTheirPositionsAcrossARestart) {
    testkit::ScratchRegistry registry("shred-options-order");
    testkit::SetRegDword(registry.currentUser(), kSettingsKey, kMethodValue, 0);
    ShredderSettings settings;
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    RegistryAlgorithmStore store;
    AlgorithmChoiceModel choice(table, settings, store);
    const auto save = [&](int index, const std::string& name) {
        AlgorithmEditorModel editor(table, store, index);
        if (index < 0) editor.AddPass();
        const EditorSaveResult result = editor.Save(name, "d");
        EXPECT_EQ(EditorRefusal::None, result.refusal) << name;
        choice.Follow(result.moves);
        EXPECT_EQ(Restarted(), Names(table)) << name;
        return result.savedIndex;
    };
    choice.Select(save(-1, "Zed"));
    save(-1, "Alpha");
    save(-1, "Mid");
    EXPECT_EQ("Zed", table[settings.Method()].name);
    save(PositionOf(table, "Alpha"), "Zulu");
    EXPECT_EQ("Zed", table[settings.Method()].name);

    // A change of letter case renames the key, and Delete then finds it.
    choice.Select(save(PositionOf(table, "Mid"), "MID"));
    EXPECT_EQ("MID", table[settings.Method()].name);
    EXPECT_EQ((std::vector<std::string>{"MID", "Zed", "Zulu"}), StoredAlgorithmNames());
    bool keyKept = true;
    PositionMoves moves;
    choice.Delete(PositionOf(table, "MID"), keyKept, moves);
    EXPECT_FALSE(keyKept);
    EXPECT_EQ((std::vector<std::string>{"Zed", "Zulu"}), StoredAlgorithmNames());
    EXPECT_EQ(Restarted(), Names(table));
}

class StandInTasks : public ScheduledTasks {
public:
    struct Task {
        std::string name, creator, line;
    };
    bool Refresh() override { return readable; }
    long Count() override { return static_cast<long>(tasks.size()); }
    std::string Name(long position) override { return tasks.at(position - 1).name; }
    std::string Creator(long position) override { return tasks.at(position - 1).creator; }
    void Run(long) override {}
    void ShowProperties(long) override {}
    void Delete(long) override {}
    std::string CommandLine(long position) override { return tasks.at(position - 1).line; }
    bool SetCommandLine(long position, const std::string& line) override {
        if (tasks.at(position - 1).name == unsaved) return false;  // its file cannot be written
        tasks.at(position - 1).line = line;
        return true;
    }
    std::vector<Task> tasks;
    std::string unsaved;
    bool readable = true;
};

TEST(Options, ScheduledTasksFollowTheirAlgorithms) {
    StandInTasks scheduler;
    scheduler.tasks = {
        {"Moved", kTaskCreator, FileTaskLine("Moved", 7, {"C:\\a b.txt"})},
        {"/O6", kTaskCreator, FolderTaskLine("/O6", 6, 2, 1, {"C:\\d"})},
        {"Kept", kTaskCreator, FileTaskLine("Kept", 5, {"C:\\k"})},
        {"Theirs", "Another Program", FileTaskLine("Theirs", 7, {"C:\\t"})},
        {"Built in", kTaskCreator, FileTaskLine("Built in", 3, {"C:\\b"})},
    };
    const std::vector<std::string> before = {scheduler.tasks[2].line, scheduler.tasks[3].line,
                                             scheduler.tasks[4].line};
    // Position 6 was deleted; 7 moved down to 6.
    const PositionMoves moves = {0, 1, 2, 3, 4, 5, -1, 6};
    EXPECT_EQ((std::vector<std::string>{"/O6"}), FollowAlgorithmMoves(scheduler, moves).orphaned);
    const ShredCommand moved = ParseCommandLine(scheduler.tasks[0].line);
    EXPECT_EQ(6, moved.algorithm);
    EXPECT_EQ((std::vector<std::string>{"C:\\a b.txt"}), moved.items);
    const ShredCommand orphan = ParseCommandLine(scheduler.tasks[1].line);
    EXPECT_EQ("/O6", orphan.taskName);
    EXPECT_LT(orphan.algorithm, 0);
    EXPECT_EQ(2, orphan.folderOption);
    EXPECT_EQ(1, orphan.removeOption);
    EXPECT_EQ(before, (std::vector<std::string>{scheduler.tasks[2].line, scheduler.tasks[3].line,
                                                scheduler.tasks[4].line}));
}

// A key that stays moves no position; a task that could not follow is
// named apart from those whose change was written.
TEST(Options, FailedChangesMoveNothingAndUnfollowedTasksAreNamed) {
    testkit::ScratchRegistry registry("shred-options-failures");
    ShredderSettings settings;
    AlgorithmTable table;
    AddBuiltInAlgorithms(table);
    table.push_back({"Beta", "b", {{PassKind::Random, {}}}, true});
    RecordingStore store;
    store.kept = {"Beta"};
    AlgorithmChoiceModel choice(table, settings, store);
    choice.Select(5);
    bool keyKept = false;
    PositionMoves moves;
    EXPECT_EQ(5, choice.Delete(5, keyKept, moves).index);
    EXPECT_TRUE(keyKept && table.size() == 6 && moves[5] == 5);
    // A rename whose old key stays is taken back; when that fails too, both stay.
    EXPECT_EQ(EditorRefusal::OldKeyKept, AlgorithmEditorModel(table, store, 5).Save("Alpha", "d").refusal);
    store.kept.insert("Alpha");
    EXPECT_TRUE(AlgorithmEditorModel(table, store, 5).Save("Alpha", "d").keptBoth);
    EXPECT_EQ(7u, table.size());

    StandInTasks scheduler;
    scheduler.tasks = {{"For Beta", kTaskCreator, FileTaskLine("For Beta", 5, {"C:\\b"})},
                       {"Stuck", kTaskCreator, FileTaskLine("Stuck", 5, {"C:\\s"})}};
    scheduler.unsaved = "Stuck";
    const PositionMoves betaGone = {0, 1, 2, 3, 4, -1, 5};
    const TaskFollowing following = FollowAlgorithmMoves(scheduler, betaGone);
    EXPECT_EQ(std::vector<std::string>{"For Beta"}, following.orphaned);
    EXPECT_EQ(std::vector<std::string>{"Stuck"}, following.notRewritten);
    ShredderTexts texts;
    EXPECT_EQ(2u, TaskFollowingReports(following, texts).size());
    scheduler.readable = false;
    EXPECT_FALSE(FollowAlgorithmMoves(scheduler, betaGone).tasksRead);
}

struct LanguageFixture {
    LanguageFixture()
        : folder("shred-options-lang"), registry("shred-options-lang"), host(texts, folder.path()) {
        folder.write("Lang\\english.ini", "[Scourwell Language Pack]\r\n9606=Velmora Scourwell\r\n");
        folder.write("Lang\\German.ini",
                     "[Scourwell Language Pack]\r\n9606=Velmora Test Zweitprogramm\r\n9061=Neu#starten\r\n");
        folder.write("Lang\\German.bmp", "BM");
        texts.SetLanguage(folder.path(), "English");
        testkit::SetRegString(registry.currentUser(), kSettingsKey, kLanguageValue, "English");
    }
    LanguageChangeParts Parts() { return {settings, texts, mutex, host, host}; }

    testkit::ScratchDir folder;
    testkit::ScratchRegistry registry;
    ShredderSettings settings;
    ShredderTexts texts;
    sync::InstanceMutex mutex;
    RecordingHost host;
};

TEST(Options, LanguageListAndChange) {
    LanguageFixture fixture;
    const std::vector<lang::LanguageEntry> languages =
        lang::ListLanguages(fixture.folder.path(), kLangFolder, kLangFolder);
    ASSERT_EQ(2u, languages.size());
    const int english = LanguageIndex(languages, "English");
    ASSERT_GE(english, 0);
    EXPECT_EQ("english", languages[english].name);
    EXPECT_EQ(fixture.folder.file("Lang\\German.bmp"), languages[1 - english].flagPath);
    EXPECT_EQ(-1, LanguageIndex(languages, "French"));

    LanguageChangeParts parts = fixture.Parts();
    EXPECT_FALSE(ChangeLanguage(parts, "English"));
    EXPECT_TRUE(fixture.host.steps.empty());

    EXPECT_TRUE(ChangeLanguage(parts, "German"));
    EXPECT_EQ((std::vector<std::string>{"texts", "Velmora Test Zweitprogramm: Neu\nstarten", "pages", "verb"}),
              fixture.host.steps);
    EXPECT_EQ("German", testkit::RegString(fixture.registry.currentUser(), kSettingsKey, kLanguageValue));
    EXPECT_TRUE(fixture.mutex.Held());
}

TEST(Options, LanguageOfARunningInstanceEndsThisOne) {
    LanguageFixture fixture;
    HANDLE other = CreateMutexA(nullptr, TRUE, "Velmora Test Zweitprogramm");
    ASSERT_NE(nullptr, other);
    LanguageChangeParts parts = fixture.Parts();
    EXPECT_TRUE(ChangeLanguage(parts, "German"));
    CloseHandle(other);
    ASSERT_EQ(6u, fixture.host.steps.size());
    EXPECT_EQ("Velmora Test Zweitprogramm: There's an instance running of the program so you can't "
              "run another instance.",
              fixture.host.steps[4]);
    EXPECT_EQ("end", fixture.host.steps[5]);
    EXPECT_FALSE(fixture.mutex.Held());
}

}  // namespace
}  // namespace shredder
