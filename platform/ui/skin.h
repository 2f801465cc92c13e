#pragma once
// The calling side of the outside skinning control: created by its class id
// at run time and driven by dispatch id. When the control is not installed
// every call does nothing and the windows keep their plain look.
#include "platform/ui/dispatch.h"

#include <windows.h>
#include <string>

class CSkin {
public:
    CSkin() = default;
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    // False when the control cannot be created (not registered).
    bool Create();
    bool IsCreated() const { return control_.Get() != nullptr; }
    void Release() { control_.ReleaseDispatch(); }

    void LoadSkin(const std::string& path);
    // The window and its children drawn with the loaded skin.
    void ApplySkin(HWND window);
    // One window drawn as a named skin element ("Main", "Button", "GroupBox").
    void ApplySkinByName(HWND window, const std::string& element);
    // Redraws a skinned window after its texts changed (through the
    // object GetSkinnedWindow hands out).
    void RedrawSkinnedWindow(HWND window);

private:
    ui::DispatchDriver control_;
};
