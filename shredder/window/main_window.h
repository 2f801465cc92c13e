#pragma once
// What the application object asks of its main window (the property
// sheet): run it modally, or create it hidden to carry the tray icon and
// the timers of a command-line run; the tray blink while the engine works;
// the Format dialog's owner. The window layer makes it through the factory
// the program hands the application object.
#include <windows.h>

#include <memory>
#include <string>

#include "shredder/drive/system_drive_environment.h"

namespace shredder {

class CShredderApp;

class MainWindow : public FormatDialogOwner {
public:
    virtual INT_PTR RunModal() = 0;
    // False when the window could not be made.
    virtual bool CreateHidden() = 0;
    virtual void StartBlinkTimer() = 0;
    virtual void StopBlinkTimer() = 0;
    virtual void DeleteTrayIcon() = 0;
    // Tab, title and button texts from the language file (again after the
    // user picks another language).
    virtual void SetLanguageTexts() = 0;
    // The Recycle Bin page's Shred Now, with its warning: what the item
    // "recycle" of a command-line run does.
    virtual void ShredRecycleBin() = 0;
    // The display name of the drive a whole-drive wipe is about to format
    // ("Label (X:)"): the Format dialog is looked for under it.
    virtual void SetFormatDriveName(const std::string& displayName) = 0;
};

using MainWindowFactory = std::unique_ptr<MainWindow> (*)(CShredderApp& app);

}  // namespace shredder
