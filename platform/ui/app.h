#pragma once
// The application object: one per program, constructed as a global. The
// entry point calls Run, which calls InitInstance; a dialog program runs its
// main window modally there and returns false, so no message loop follows.
// ExitInstance runs in every case.
#include "platform/ui/gdi.h"

#include <windows.h>
#include <string>

namespace ui {

class App {
public:
    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // The program's one application object, or nullptr.
    static App* Current();

    int Run(HINSTANCE instance, const char* commandLine, int show);

    HINSTANCE Instance() const { return instance_; }
    const std::string& CommandLine() const { return commandLine_; }
    int ShowCommand() const { return show_; }
    // Full path of the program file, and the folder holding it (no final "\").
    std::string ModulePath() const;
    std::string ProgramFolder() const;

    // Caption of every message box of the program.
    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& Caption() const { return caption_; }
    int MessageBox(const std::string& text, UINT flags = MB_OK, HWND owner = nullptr) const;

    // Background and text colour of every dialog (and property sheet) of
    // the program; until set, dialogs keep the system colours.
    void SetDialogColors(COLORREF background, COLORREF text);
    // The answer to a dialog's colour request: the brush, or nullptr for
    // the system colours.
    HBRUSH DialogColor(UINT msg, HDC dc) const;

    // Settings under HKEY_CURRENT_USER\<key>, one subkey per section ("" is
    // the key itself).
    void SetRegistryKey(const std::string& key) { registryKey_ = key; }
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& fallback = std::string()) const;
    bool WriteProfileString(const std::string& section, const std::string& entry,
                            const std::string& value) const;
    DWORD GetProfileInt(const std::string& section, const std::string& entry, DWORD fallback) const;
    bool WriteProfileInt(const std::string& section, const std::string& entry, DWORD value) const;

    // Lets the program create COM objects and controls on this thread; undone at exit.
    bool EnableControlContainer();

protected:
    virtual bool InitInstance() = 0;
    virtual int ExitInstance();

private:
    std::string SectionKey(const std::string& section) const;

    HINSTANCE instance_ = nullptr;
    std::string commandLine_;
    int show_ = SW_SHOWNORMAL;
    std::string caption_;
    std::string registryKey_;
    bool colors_ = false;
    COLORREF textColor_ = 0;
    Brush background_;
    bool oleStarted_ = false;
};

// The caption of the current application, or the owner's title.
int ShowMessage(HWND owner, const std::string& text, UINT flags);

}  // namespace ui
