#pragma once
// The checks that run while the user assembles what a scheduled task will
// shred: a scheduled run cannot ask, so every question is settled now and
// each "prompt" option becomes a fixed one in the settings.
#include <string>

#include "shredder/core/messenger.h"
#include "shredder/core/shredder_settings.h"
#include "shredder/core/shredder_texts.h"

namespace shredder {

enum AddAnswer { kAddSkip = 0, kAddStop = 1, kAddYes = 2 };

class TaskCollector {
public:
    TaskCollector(Messenger& messenger, const ShredderTexts& texts, const ShredderSettings& settings,
                  const bool& abort)
        : messenger_(messenger), texts_(texts), settings_(settings), abort_(abort) {}

    // 2 add, 0 skip, 1 stop adding.
    int ConfirmAddFile(const std::string& path);
    int ConfirmAddFolder(const std::string& path);
    // 2 done, 1 cancelled. Settles `Folder` and `Remove` on the way.
    int CollectScheduledFolders(const std::string& folder, bool system);

private:
    int ConfirmAdd(const std::string& path, bool folderStyle);

    Messenger& messenger_;
    const ShredderTexts& texts_;
    const ShredderSettings& settings_;
    const bool& abort_;
};

}  // namespace shredder
