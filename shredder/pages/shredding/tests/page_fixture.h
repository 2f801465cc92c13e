#pragma once
// The shred pages over a real engine in a scratch folder: the engine
// fixture's recording observer and scripted prompt, plus a task maker that
// records the command lines it is given.
#include "shredder/pages/shredding/page_context.h"
#include "shredder/tests/engine_fixture.h"

namespace shredder_test {

class RecordingTasks : public TaskMaker {
public:
    std::string CreateTask() override {
        ++created;
        return name;
    }
    void FinishTask(const std::string& commandLine) override { lines.push_back(commandLine); }

    std::string name = "Nightly run";  // "" plays a cancelled name dialog
    int created = 0;
    std::vector<std::string> lines;
};

class PageTest : public EngineTest {
protected:
    bool Exists(const std::string& path) const {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string Folder(const std::string& name) {
        const std::string path = dir_.file(name);
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }

    RecordingTasks tasks_;
    TaskCollector collector_{messenger_, texts_, settings_, engine_.Abort()};
    ShredPageContext context_{engine_, messenger_, texts_, settings_, collector_, tasks_, false, {}};
};

}  // namespace shredder_test
