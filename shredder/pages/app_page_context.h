#pragma once
// The shred pages' reach into the application object: its engine, texts,
// settings, task checks and scheduler drivers, gathered once per page.
#include "shredder/pages/shredding/page_context.h"

namespace shredder {

class CShredderApp;

// Tasks through the application's task-name dialog and its Job driver.
class AppTaskMaker : public TaskMaker {
public:
    explicit AppTaskMaker(CShredderApp& app) : app_(app) {}
    std::string CreateTask() override;
    void FinishTask(const std::string& commandLine) override;

private:
    CShredderApp& app_;
};

class AppPageContext {
public:
    explicit AppPageContext(CShredderApp& app);
    ShredPageContext& Get() { return context_; }
    // Start-up's scheduler check may come after the page was made.
    void Refresh();

private:
    CShredderApp& app_;
    AppTaskMaker tasks_;
    ShredPageContext context_;
};

}  // namespace shredder
