#include "shredder/pages/app_page_context.h"

#include "shredder/core/system_places.h"
#include "shredder/shredder_app.h"

namespace shredder {

std::string AppTaskMaker::CreateTask() { return app_.CreateScheduledTask(); }

void AppTaskMaker::FinishTask(const std::string& commandLine) {
    JobDispatch& job = app_.Job();
    job.SetCommandLine(commandLine);
    job.Save();
    job.ShowProperties();
}

AppPageContext::AppPageContext(CShredderApp& app)
    : app_(app),
      tasks_(app),
      context_{app.Engine(),    app.Messages(), app.Texts(),
               app.Settings(),  app.Collector(), tasks_,
               app.SchedulerUnavailable(), BuildProtectedFolderList()} {}

void AppPageContext::Refresh() { context_.schedulerUnavailable = app_.SchedulerUnavailable(); }

}  // namespace shredder
