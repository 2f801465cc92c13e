// The Scheduler page's logic against a stand-in scheduler: only this
// program's tasks listed, each row acting on its task's position, Delete
// All from the highest position down, task names checked ignoring case and
// for characters a name cannot hold, and the log notice.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/suite/scourwell.h"
#include "platform/testkit/scratch.h"
#include "shredder/tests/engine_fixture.h"
#include "shredder/window/task_list_model.h"

namespace shredder {
namespace {

const char* const kOurs = suite::scourwell::kTaskCreator;

class StandInTasks : public ScheduledTasks {
public:
    struct Task {
        Task(std::string name, std::string creator, std::string line = std::string())
            : name(std::move(name)), creator(std::move(creator)), line(std::move(line)) {}
        std::string name;
        std::string creator;
        std::string line;
    };
    explicit StandInTasks(std::vector<Task> tasks) : tasks(std::move(tasks)) {}

    bool Refresh() override { return true; }
    long Count() override { return static_cast<long>(tasks.size()); }
    std::string Name(long position) override { return tasks.at(position - 1).name; }
    std::string Creator(long position) override { return tasks.at(position - 1).creator; }
    void Run(long position) override { ran.push_back(position); }
    void ShowProperties(long position) override { shown.push_back(position); }
    void Delete(long position) override {
        deleted.push_back(position);
        tasks.erase(tasks.begin() + (position - 1));
    }
    std::string CommandLine(long position) override { return tasks.at(position - 1).line; }
    bool SetCommandLine(long position, const std::string& line) override {
        tasks.at(position - 1).line = line;
        return true;
    }

    std::vector<Task> tasks;
    std::vector<long> ran, shown, deleted;
};

class RecordingOpener : public ShellOpener {
public:
    void Open(const std::string& file, const std::string& folder) override {
        opened.push_back(file + " in " + folder);
    }
    std::vector<std::string> opened;
};

class SchedulerList : public ::testing::Test {
protected:
    TaskListModel Model(StandInTasks& tasks) { return TaskListModel(tasks, messenger_, texts_); }

    shredder_test::ScriptedPrompt prompt_;
    ShredLog log_;
    Messenger messenger_{prompt_, log_};
    ShredderTexts texts_;
};

TEST_F(SchedulerList, ForeignTasksAreLeftOutAndRowsKeepTheirPositions) {
    StandInTasks tasks({{"Mine", kOurs}, {"Theirs", "Another Program"}, {"Also mine", kOurs}});
    TaskListModel model = Model(tasks);
    EXPECT_EQ((std::vector<std::string>{"Mine", "Also mine"}), model.Fill());
    EXPECT_TRUE(model.RunNow(1));
    EXPECT_TRUE(model.ShowProperties(0));
    EXPECT_EQ(std::vector<long>{3}, tasks.ran);
    EXPECT_EQ(std::vector<long>{1}, tasks.shown);
    EXPECT_FALSE(model.RunNow(-1));
    ASSERT_EQ(1u, prompt_.shown.size());
    EXPECT_EQ("There isn't any selected tasks. Please, Select a task first.", prompt_.shown[0]);
    EXPECT_EQ(std::vector<long>{3}, tasks.ran);
}

TEST_F(SchedulerList, DeletingRowByRowRefillsBetween) {
    StandInTasks tasks({{"First", kOurs}, {"Second", kOurs}});
    TaskListModel model = Model(tasks);
    model.Fill();
    ASSERT_TRUE(model.DeleteTask(0));
    EXPECT_EQ(std::vector<std::string>{"Second"}, model.Fill());
    ASSERT_TRUE(model.DeleteTask(0));
    EXPECT_EQ((std::vector<long>{1, 1}), tasks.deleted);
    EXPECT_TRUE(tasks.tasks.empty());
}

TEST_F(SchedulerList, DeleteAllTakesOnlyOursHighestFirstAndOnlyOnYes) {
    StandInTasks tasks({{"A", kOurs}, {"B", "Another Program"}, {"C", kOurs}, {"D", kOurs}});
    TaskListModel model = Model(tasks);
    model.Fill();
    prompt_.answers = {IDNO};
    EXPECT_FALSE(model.DeleteAll());
    EXPECT_TRUE(tasks.deleted.empty());
    prompt_.answers = {IDYES};
    EXPECT_TRUE(model.DeleteAll());
    EXPECT_EQ((std::vector<long>{4, 3, 1}), tasks.deleted);
    ASSERT_EQ(1u, tasks.tasks.size());
    EXPECT_EQ("B", tasks.tasks[0].name);
    EXPECT_EQ(0, model.RowCount());

    // Another program's task came first while the question was open.
    tasks.tasks = {{"E", kOurs}};
    model.Fill();
    tasks.tasks.insert(tasks.tasks.begin(), StandInTasks::Task{"F", "Another Program"});
    prompt_.answers = {IDYES};
    EXPECT_TRUE(model.DeleteAll());
    ASSERT_EQ(1u, tasks.tasks.size());
    EXPECT_EQ("F", tasks.tasks[0].name);
}

TEST_F(SchedulerList, ViewLogOpensOnlyAnExistingLog) {
    testkit::ScratchDir dir("scheduler-log");
    StandInTasks tasks(std::vector<StandInTasks::Task>{});
    TaskListModel model = Model(tasks);
    RecordingOpener opener;
    model.ViewLog(dir.path(), opener);
    EXPECT_TRUE(opener.opened.empty());
    ASSERT_EQ(1u, prompt_.shown.size());
    EXPECT_EQ("Log file doesn't exist.", prompt_.shown[0]);
    dir.write("log.txt", "Task Name: x\n");
    model.ViewLog(dir.path(), opener);
    EXPECT_EQ(std::vector<std::string>{"log.txt in " + dir.path()}, opener.opened);
}

TEST(TaskNames, CaseVariantsAndUnsafeCharactersAreRefused) {
    StandInTasks tasks({StandInTasks::Task{"Nightly Shred", "Another Program"}});
    EXPECT_TRUE(TaskNameTaken(tasks, "NIGHTLY shred"));
    EXPECT_FALSE(TaskNameTaken(tasks, "Nightly Shred 2"));
    EXPECT_TRUE(IsValidTaskName("Nightly Shred 2"));
    for (char c : std::string("\\/:*?\"<>|"))
        EXPECT_FALSE(IsValidTaskName(std::string("a") + c + "b")) << c;
    EXPECT_FALSE(IsValidTaskName(""));
}

}  // namespace
}  // namespace shredder
