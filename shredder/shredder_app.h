#pragma once
// The shredder's application object: it owns every piece of program state
// (settings, texts, algorithms, the pass buffer, drives, the scheduler
// drivers, the engine) and runs start-up in its fixed order; then either
// the interactive window or the items of the command line, one by one.
#include <windows.h>

#include <string>

#include "common/suite/scourwell.h"
#include "platform/ui/app.h"
#include "platform/ui/message_prompt.h"
#include "platform/ui/skin.h"
#include "shredder/algorithms/algorithm.h"
#include "shredder/algorithms/pass_buffer.h"
#include "platform/sync/sync.h"
#include "shredder/core/messenger.h"
#include "shredder/core/scheduler_dispatch.h"
#include "shredder/core/shred_log.h"
#include "shredder/core/shredder_settings.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/core/task_collection.h"
#include "shredder/drive/system_drive_environment.h"
#include "shredder/drive_wipe_actions.h"
#include "shredder/engine/shred_engine.h"
#include "shredder/window/main_window.h"
#include "shredder/window/progress_dlg.h"

namespace shredder {

class CShredderApp : public ui::App, private ProgressHost {
public:
    // Shows the notice that the shell is too old for the Recycle Bin page;
    // true when it was closed with OK and "Don't show me this again" ticked.
    using OldShellNotice = bool (*)(const ShredderTexts& texts);

    // `makeWindow` makes the main sheet; null runs without a window (and
    // without the old-shell notice).
    explicit CShredderApp(MainWindowFactory makeWindow, OldShellNotice oldShellNotice = nullptr);
    ~CShredderApp() override;

    const ShredderTexts& Texts() const { return texts_; }
    ShredderTexts& Texts() { return texts_; }
    ShredderSettings& Settings() { return settings_; }
    MainWindow* Sheet() const { return sheet_.get(); }
    std::string GetLangString(const char* key, const char* def) const { return texts_.Text(key, def); }
    const std::string& AppPath() const { return appPath_; }
    const suite::scourwell::ShredCommand& Command() const { return command_; }
    AlgorithmTable& Algorithms() { return algorithms_; }
    ShredEngine& Engine() { return engine_; }
    Messenger& Messages() { return messenger_; }
    TaskCollector& Collector() { return collector_; }
    bool SchedulerUnavailable() const { return schedulerUnavailable_; }
    bool RecycleBinSupported() const { return recycleBinSupported_; }
    // The skin control every window draws with; the options page creates
    // it, and while none is installed every skinning call does nothing.
    CSkin& Skin() override { return skin_; }
    // The one-interactive-instance mutex, named with the caption.
    sync::InstanceMutex& Mutex() { return mutex_; }
    // The whole-drive wipe of the drive page, and the drive options
    // question of a command-line drive item.
    DriveWipeActions& DriveWipes() { return driveActions_; }
    // Texts and message-box caption in `language`, which the user chose.
    void UseLanguage(const std::string& language);

    // Asks for a name and creates the task with our creator and program;
    // "" when cancelled. The caller sets its command line and saves it.
    std::string CreateScheduledTask();
    JobDispatch& Job() { return job_; }
    ScheduleDispatch& Schedule() { return schedule_; }

    void LoadAlgorithms();
    void RunCommandLine();

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    HWND SheetWindow() override { return sheet_ ? sheet_->Window() : nullptr; }
    void ProgressShown(bool shown) override;
    bool& AbortFlag() override { return engine_.Abort(); }
    void CheckSchedulerLibrary();
    bool ReadUserSid();
    std::string ConfirmationText() const;
    void SetProgressTotalForItems();

    MainWindowFactory makeWindow_;
    OldShellNotice oldShellNotice_;
    std::unique_ptr<MainWindow> sheet_;
    ShredderSettings settings_;
    ShredderTexts texts_;
    ShredLog log_;
    ui::ScreenMessagePrompt prompt_;
    Messenger messenger_;
    AlgorithmTable algorithms_;
    PassBuffer buffer_;
    RuntimeRandom random_;
    CProgressDlg progress_;
    ShredEngine engine_;
    SystemDriveEnvironment driveEnvironment_;
    DriveWipeActions driveActions_;
    TaskCollector collector_;
    ScheduleDispatch schedule_;
    JobDispatch job_;
    suite::scourwell::ShredCommand command_;
    std::string appPath_;
    sync::InstanceMutex mutex_;
    CSkin skin_;
    bool comStarted_ = false;
    bool schedulerUnavailable_ = false;
    bool recycleBinSupported_ = false;
};

}  // namespace shredder
