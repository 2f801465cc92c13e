#pragma once
// What the Shred Files, Shred Folders and Recycle Bin pages reach in the
// application: the engine with its messages, settings and texts, the checks
// that settle a task's questions, and the scheduler. The page windows fill
// it from the application object; tests from their own engine and fakes.
#include <string>
#include <vector>

#include "shredder/core/messenger.h"
#include "shredder/core/shredder_settings.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/core/task_collection.h"
#include "shredder/engine/shred_engine.h"

namespace shredder {

// Makes a scheduled task in two steps, so that a cancelled name costs
// nothing: implemented over the scheduler library's drivers, faked by tests.
class TaskMaker {
public:
    virtual ~TaskMaker() = default;
    // Asks for a task name and creates the task; "" when the user cancelled
    // or the scheduler refused.
    virtual std::string CreateTask() = 0;
    // Gives the task just created its command line, saves it and opens its
    // properties, where the user sets when it runs.
    virtual void FinishTask(const std::string& commandLine) = 0;
};

struct ShredPageContext {
    ShredEngine& engine;
    Messenger& messenger;
    const ShredderTexts& texts;
    const ShredderSettings& settings;
    TaskCollector& collector;
    TaskMaker& tasks;
    bool schedulerUnavailable;
    // Never removed by a page, even when left empty.
    std::vector<std::string> protectedFolders;
};

}  // namespace shredder
